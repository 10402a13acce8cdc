#include "model/MecabReading.h"

#include "model/KanaReading.h"

#include <QByteArray>
#include <QList>
#include <dlfcn.h>
#include <mecab.h>
#include <utility>

namespace oralis {

struct MecabReader::Api {
    decltype(&::mecab_new) create = nullptr;
    decltype(&::mecab_strerror) error = nullptr;
    decltype(&::mecab_destroy) destroy = nullptr;
    decltype(&::mecab_sparse_tonode) parse = nullptr;
};

namespace {

// The IPA dictionary's pronunciation field, after the part of speech (0..5),
// the base form and the reading.
constexpr int kPronunciationField = 8;

template <typename Fn>
bool Bind(void* library, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    return fn != nullptr;
}

// The reading of one word: its pronunciation, or for a word the dictionary
// does not know, its own spelling when that is kana or romaji.
std::optional<QString> WordReading(const QString& surface, const QString& features)
{
    const QList<QString> fields = features.split(u',');
    if (fields.value(0) == QStringLiteral("記号"))
        return QString();
    if (fields.size() > kPronunciationField && fields[kPronunciationField] != u"*") {
        if (std::optional<QString> kana = KanaToHalfWidth(fields[kPronunciationField]))
            return kana;
    }
    return OwnReading(surface);
}

}  // namespace

MecabReader::MecabReader(QString dictionaryFolder) : folder_(std::move(dictionaryFolder)) {}

MecabReader::~MecabReader()
{
    if (tagger_)
        api_->destroy(static_cast<mecab_t*>(tagger_));
    delete api_;
    if (library_)
        dlclose(library_);
}

bool MecabReader::load()
{
    if (tagger_)
        return true;
    if (failed_)
        return false;
    failed_ = true;
    for (const char* name : {"libmecab.so.2", "libmecab.so"}) {
        library_ = dlopen(name, RTLD_NOW | RTLD_LOCAL);
        if (library_)
            break;
    }
    if (!library_) {
        failure_ = QStringLiteral("MeCab library not found: %1").arg(QString::fromLocal8Bit(dlerror()));
        return false;
    }
    api_ = new Api;
    if (!Bind(library_, "mecab_new", api_->create) || !Bind(library_, "mecab_strerror", api_->error) ||
        !Bind(library_, "mecab_destroy", api_->destroy) ||
        !Bind(library_, "mecab_sparse_tonode", api_->parse)) {
        failure_ = QStringLiteral("MeCab library lacks an expected function");
        return false;
    }
    // An empty resource file keeps a local mecabrc from choosing anything.
    QByteArray program("oralis"), rcFlag("-r"), rcFile("/dev/null"), dicFlag("-d");
    QByteArray folder = folder_.toLocal8Bit();
    char* argv[] = {program.data(), rcFlag.data(), rcFile.data(), dicFlag.data(), folder.data()};
    mecab_t* tagger = api_->create(5, argv);
    if (!tagger) {
        failure_ = QStringLiteral("MeCab could not use the dictionary %1: %2")
                       .arg(folder_, QString::fromUtf8(api_->error(nullptr)));
        return false;
    }
    tagger_ = tagger;
    failed_ = false;
    return true;
}

std::optional<QString> MecabReader::reading(const QString& text)
{
    if (!load())
        return std::nullopt;
    QString flat = text;
    flat.replace(u'\n', u' ').replace(u'\r', u' ');
    const QByteArray input = flat.toUtf8();
    const mecab_node_t* node = api_->parse(static_cast<mecab_t*>(tagger_), input.constData());
    if (!node)
        return std::nullopt;
    QString out;
    for (; node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        const QString surface = QString::fromUtf8(node->surface, node->length);
        const std::optional<QString> word = WordReading(surface, QString::fromUtf8(node->feature));
        if (!word)
            return std::nullopt;
        out += *word;
    }
    return out;
}

MecabReader& SharedMecabReader()
{
    static MecabReader reader;
    return reader;
}

}  // namespace oralis
