#include "model/HistoryPlace.h"

#include "model/DataPlaces.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QUrl>
#include <QUrlQuery>
#include <algorithm>

namespace oralis {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(oralis::History)
};

using Pairs = std::vector<std::pair<QString, QString>>;

// What Oralis asks of every connection unless the setting says otherwise: a
// server that is away is given up after a few seconds, and one that vanishes
// from the network mid-answer is noticed in under half a minute, so the
// store's thread (and the end of the program, which waits for it) never
// hangs on a dead connection. The name shows teachers whose connection it is.
const std::pair<const char*, const char*> kConnectionDefaults[] = {
    {"connect_timeout", "3"},  {"keepalives_idle", "10"},    {"keepalives_interval", "5"},
    {"keepalives_count", "3"}, {"tcp_user_timeout", "10000"}, {"application_name", "oralis"},
};

bool Has(const Pairs& pairs, const QString& keyword)
{
    return std::any_of(pairs.begin(), pairs.end(), [&](const auto& p) { return p.first == keyword; });
}

// A postgresql:// URI as keyword=value pairs; false when it is not one Qt's
// URL reader can take apart (several hosts, say).
bool ReadUri(const QString& text, Pairs* pairs)
{
    const QUrl url(text, QUrl::StrictMode);
    if (!url.isValid() || (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres")))
        return false;
    if (!url.password().isEmpty())
        pairs->push_back({QStringLiteral("password"), url.password()});
    const std::pair<const char*, QString> parts[] = {
        {"host", url.host(QUrl::FullyDecoded)},
        {"port", url.port() > 0 ? QString::number(url.port()) : QString()},
        {"user", url.userName(QUrl::FullyDecoded)},
        {"dbname", url.path(QUrl::FullyDecoded).mid(1)},
    };
    for (const auto& [keyword, value] : parts) {
        if (!value.isEmpty())
            pairs->push_back({QString::fromLatin1(keyword), value});
    }
    for (const auto& [keyword, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded))
        pairs->push_back({keyword, value});
    return true;
}

}  // namespace

namespace history {

bool ReadConnectionString(const QString& text, Pairs* pairs)
{
    pairs->clear();
    int i = 0;
    const int n = text.size();
    auto skipSpace = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    for (skipSpace(); i < n; skipSpace()) {
        QString keyword;
        while (i < n && text[i] != u'=' && !text[i].isSpace())
            keyword += text[i++];
        skipSpace();
        if (keyword.isEmpty() || i >= n || text[i] != u'=')
            return false;
        ++i;
        skipSpace();
        QString value;
        if (i < n && text[i] == u'\'') {
            for (++i;; ++i) {
                if (i >= n)
                    return false;
                if (text[i] == u'\'')
                    break;
                if (text[i] == u'\\' && i + 1 < n)
                    ++i;
                value += text[i];
            }
            ++i;
        } else {
            for (; i < n && !text[i].isSpace(); ++i) {
                if (text[i] == u'\\' && i + 1 < n)
                    ++i;
                value += text[i];
            }
        }
        pairs->push_back({keyword, value});
    }
    return true;
}

QString ConnectionString(const Pairs& pairs)
{
    QStringList parts;
    for (const auto& [keyword, value] : pairs) {
        const bool plain = !value.isEmpty()
            && std::none_of(value.begin(), value.end(),
                            [](QChar c) { return c.isSpace() || c == u'\'' || c == u'\\'; });
        QString escaped = value;
        escaped.replace(u'\\', QStringLiteral("\\\\")).replace(u'\'', QStringLiteral("\\'"));
        parts << keyword + u'=' + (plain ? value : u'\'' + escaped + u'\'');
    }
    return parts.join(u' ');
}

}  // namespace history

QString HistoryPlace::key() const
{
    return onServer() ? QStringLiteral("postgresql:") + setting
                      : QStringLiteral("sqlite:") + QDir::cleanPath(QDir(folder).absolutePath());
}

HistoryPlace LocalHistoryPlace(const QString& folder)
{
    HistoryPlace place;
    place.folder = folder;
    return place;
}

HistoryPlace HistoryPlaceFrom(const QString& setting, const QString& folder)
{
    const QString given = setting.trimmed();
    HistoryPlace place = LocalHistoryPlace(folder);
    if (given.isEmpty())
        return place;
    auto refuse = [&](const QString& why) {
        place.problem = why;
        return place;
    };
    Pairs pairs;
    static const QRegularExpression serviceName(QStringLiteral("^[A-Za-z0-9_.-]+$"));
    if (given.startsWith(QLatin1String("postgresql://")) || given.startsWith(QLatin1String("postgres://"))) {
        if (!ReadUri(given, &pairs))
            return refuse(Text::tr("the address %1 cannot be read; name a service or write keyword=value pairs").arg(given));
    } else if (given.contains(u'=')) {
        if (!history::ReadConnectionString(given, &pairs))
            return refuse(Text::tr("the connection string %1 cannot be read").arg(given));
    } else if (serviceName.match(given).hasMatch()) {
        pairs.push_back({QStringLiteral("service"), given});
    } else {
        return refuse(Text::tr("%1 is neither a service name nor a connection string").arg(given));
    }
    if (Has(pairs, QStringLiteral("password"))) {
        return refuse(Text::tr("it holds a password; keep passwords in libpq's password file (~/.pgpass) or service "
                         "file"));
    }
    Pairs connection;
    for (const auto& [keyword, value] : kConnectionDefaults) {
        if (!Has(pairs, QString::fromLatin1(keyword)))
            connection.push_back({QString::fromLatin1(keyword), QString::fromLatin1(value)});
    }
    connection.insert(connection.end(), pairs.begin(), pairs.end());
    place.engine = HistoryPlace::Engine::PostgreSQL;
    place.connection = history::ConnectionString(connection);
    place.setting = given;
    return place;
}

QString UserSettingsFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/oralis/oralis.conf");
}

HistoryPlace ConfiguredHistoryPlace()
{
    const QString setting = qEnvironmentVariableIsSet("ORALIS_HISTORY")
        ? qEnvironmentVariable("ORALIS_HISTORY")
        : QSettings(UserSettingsFile(), QSettings::IniFormat).value(kHistoryServerSetting).toString();
    return HistoryPlaceFrom(setting, UserDataFolder());
}

}  // namespace oralis
