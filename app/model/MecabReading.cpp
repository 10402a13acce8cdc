#include "model/MecabReading.h"

#include "model/KanaReading.h"
#include "model/NumberReading.h"

#include <QByteArray>
#include <QCoreApplication>
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
    decltype(&::mecab_nbest_init) nbestInit = nullptr;
    decltype(&::mecab_nbest_next_tonode) nbestNext = nullptr;
};

namespace {

template <typename Fn>
bool Bind(void* library, const char* name, Fn& fn)
{
    fn = reinterpret_cast<Fn>(dlsym(library, name));
    return fn != nullptr;
}

QByteArray OneLine(const QString& text)
{
    QString flat = text;
    flat.replace(u'\n', u' ').replace(u'\r', u' ');
    return flat.toUtf8();
}

QList<Morpheme> Words(const mecab_node_t* node)
{
    QList<Morpheme> words;
    for (; node; node = node->next) {
        if (node->stat == MECAB_BOS_NODE || node->stat == MECAB_EOS_NODE)
            continue;
        words.append({QString::fromUtf8(node->surface, node->length), QString::fromUtf8(node->feature)});
    }
    return words;
}

// Whether two analyses differ only in the readings of words written alike:
// the same words, parts of speech and base forms.
bool Homographs(const QList<Morpheme>& a, const QList<Morpheme>& b)
{
    constexpr int kUpToBaseForm = 7;
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i].surface != b[i].surface ||
            a[i].features.split(u',').mid(0, kUpToBaseForm) != b[i].features.split(u',').mid(0, kUpToBaseForm))
            return false;
    }
    return true;
}

// Analyses looked through for words written alike; the dictionary's other
// readings of a short text come well within them.
constexpr int kAnalysesSearched = 32;

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
        failure_ = QCoreApplication::translate("oralis::Reading", "MeCab library not found: %1").arg(QString::fromLocal8Bit(dlerror()));
        return false;
    }
    api_ = new Api;
    if (!Bind(library_, "mecab_new", api_->create) || !Bind(library_, "mecab_strerror", api_->error) ||
        !Bind(library_, "mecab_destroy", api_->destroy) ||
        !Bind(library_, "mecab_sparse_tonode", api_->parse) ||
        !Bind(library_, "mecab_nbest_init", api_->nbestInit) ||
        !Bind(library_, "mecab_nbest_next_tonode", api_->nbestNext)) {
        failure_ = QCoreApplication::translate("oralis::Reading", "MeCab library lacks an expected function");
        return false;
    }
    // An empty resource file keeps a local mecabrc from choosing anything.
    QByteArray program("oralis"), rcFlag("-r"), rcFile("/dev/null"), dicFlag("-d");
    QByteArray folder = folder_.toLocal8Bit();
    char* argv[] = {program.data(), rcFlag.data(), rcFile.data(), dicFlag.data(), folder.data()};
    mecab_t* tagger = api_->create(5, argv);
    if (!tagger) {
        failure_ = QCoreApplication::translate("oralis::Reading", "MeCab could not use the dictionary %1: %2")
                       .arg(folder_, QString::fromUtf8(api_->error(nullptr)));
        return false;
    }
    tagger_ = tagger;
    failed_ = false;
    return true;
}

std::optional<QList<Morpheme>> MecabReader::analyse(const QString& text)
{
    if (!load())
        return std::nullopt;
    const QByteArray input = OneLine(text);
    const mecab_node_t* node = api_->parse(static_cast<mecab_t*>(tagger_), input.constData());
    if (!node)
        return std::nullopt;
    return Words(node);
}

std::optional<QString> MecabReader::reading(const QString& text)
{
    const std::optional<QList<Morpheme>> words = analyse(text);
    if (!words)
        return std::nullopt;
    return SpokenReading(*words);
}

QStringList MecabReader::readings(const QString& text)
{
    QStringList found;
    const std::optional<QList<Morpheme>> best = analyse(text);
    const std::optional<QString> first = best ? SpokenReading(*best) : std::nullopt;
    if (!first)
        return found;
    found << *first;
    mecab_t* tagger = static_cast<mecab_t*>(tagger_);
    const QByteArray input = OneLine(text);
    if (!api_->nbestInit(tagger, input.constData()))
        return found;
    for (int n = 0; n < kAnalysesSearched; ++n) {
        const mecab_node_t* node = api_->nbestNext(tagger);
        if (!node)
            break;
        const QList<Morpheme> words = Words(node);
        if (!Homographs(*best, words))
            continue;
        const std::optional<QString> other = SpokenReading(words);
        if (other && !found.contains(*other))
            found << *other;
    }
    return found;
}

std::optional<QString> MecabReader::spokenKana(QStringView kana)
{
    if (!IsKanaText(kana))
        return std::nullopt;
    return reading(FullWidthHiragana(kana));
}

namespace {

bool IsDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'０' && c <= u'９');
}

// Where the number that starts at `from` ends, with the counter after it when
// the word box reads the two together (3時 ｻﾝｼﾞ).
qsizetype NumberEnd(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && (IsDigit(text[end]) || QStringView(u",，万億兆").contains(text[end])))
        ++end;
    while (end > from + 1 && !IsDigit(text[end - 1]) && !QStringView(u"万億兆").contains(text[end - 1]))
        --end;  // a separator after the number is punctuation
    if (end < text.size() && !IsKanaText(text.mid(end, 1))) {
        const auto none = [](const QString&) { return std::optional<QString>(); };
        if (ReadTypedText(text.mid(from, end + 1 - from), none).reading)
            return end + 1;
    }
    return end;
}

// The readings of one stretch of text.
SpokenText StretchReadings(QStringView stretch, bool number, MecabReader& mecab)
{
    if (number) {
        const TextReading r = ReadTypedText(stretch, [](const QString&) { return std::optional<QString>(); });
        if (r.reading)
            return {{*r.reading}, QString()};
        return {{}, !r.refusal.isEmpty()
                        ? r.refusal
                        : QCoreApplication::translate("oralis::Reading", "%1 cannot be read").arg(stretch)};
    }
    const QStringList readings = mecab.readings(stretch.toString());
    if (!readings.isEmpty())
        return {readings, QString()};
    if (mecab.unavailable())
        return {{}, mecab.failure()};
    return {{}, QCoreApplication::translate("oralis::Reading", "%1 has no kana reading").arg(stretch)};
}

// No more readings are made of one text than this, so that a text full of
// words written alike stays quick to check.
constexpr qsizetype kMostReadings = 16;

}  // namespace

SpokenText SpokenReadingsOfText(QStringView text, MecabReader& mecab)
{
    SpokenText spoken{{QString()}, QString()};
    for (qsizetype at = 0; at < text.size();) {
        const bool number = IsDigit(text[at]);
        qsizetype end = at;
        if (number)
            end = NumberEnd(text, at);
        else
            while (end < text.size() && !IsDigit(text[end]))
                ++end;
        const SpokenText part = StretchReadings(text.mid(at, end - at), number, mecab);
        if (part.readings.isEmpty())
            return {{}, part.whyNot};
        QStringList joined;
        for (const QString& before : spoken.readings)
            for (const QString& reading : part.readings)
                if (joined.size() < kMostReadings)
                    joined << before + reading;
        spoken.readings = joined;
        at = end;
    }
    return spoken;
}

MecabReader& SharedMecabReader()
{
    static MecabReader reader;
    return reader;
}

}  // namespace oralis
