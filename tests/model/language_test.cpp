#include "model/Language.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace oralis;

namespace {

TEST(Language, FollowsTheFirstLanguageItHasUnlessTheUserChoseOne)
{
    using C = LanguageChoice;
    const struct {
        C choice;
        QStringList languages;
        bool japanese;
    } cases[] = {
        {C::System, {"ja-JP"}, true},
        {C::System, {"ja_JP.UTF-8"}, true},
        {C::System, {"de-DE", "ja"}, true},  // no German: the next one it has
        {C::System, {"en-US", "ja-JP"}, false},
        {C::System, {"C"}, false},
        {C::System, {}, false},
        {C::English, {"ja-JP"}, false},
        {C::Japanese, {"en-US"}, true},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SpeaksJapanese(c.choice, c.languages), c.japanese) << c.languages.join(u',').toStdString();

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(StoredLanguageChoice(), C::System);
    for (C choice : {C::English, C::Japanese, C::System}) {
        EXPECT_TRUE(StoreLanguageChoice(choice));
        EXPECT_EQ(StoredLanguageChoice(), choice);
    }
}

}  // namespace
