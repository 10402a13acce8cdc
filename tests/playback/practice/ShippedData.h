// The shipped table and word list, read once for the practice and study tests.
#pragma once

#include "model/LipTableFile.h"
#include "model/WordList.h"

#include <QFile>
#include <gtest/gtest.h>

namespace oralis::testing {

inline const SignTable& ShippedTable()
{
    static const SignTable table = [] {
        SignTable t;
        QString why;
        EXPECT_EQ(LoadLipTable(QStringLiteral(SHIPPED_TABLE), t, &why), -1) << why.toStdString();
        return t;
    }();
    return table;
}

inline const WordList& ShippedWords()
{
    static const WordList list = [] {
        QFile f(QStringLiteral(SHIPPED_WORD_LIST));
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return ParseWordList(f.readAll());
    }();
    return list;
}

}  // namespace oralis::testing
