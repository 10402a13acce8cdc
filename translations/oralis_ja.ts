<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>oralis::FileProgress</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading %1 was cancelled; nothing has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::History</name>
    <message>
        <source>date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verdict</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>replays</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 read as %2: %3 time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 read as %2: %3 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A learner needs a name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A learner&apos;s name has at most %1 characters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A learner&apos;s name is one line.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history did not answer in time; what is shown may be incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::Language</name>
    <message>
        <source>Settings cannot be written to %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::LipTableFile</name>
    <message>
        <source>(empty)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the name of sign %1 mixes a double quote with a comma, a line break or leading blanks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame %1 of sign %2 holds a value that is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is in UTF-16; tables are read in UTF-8 or Shift-JIS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside a sign&apos;s header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sign number %1 (must be 0 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frame count %1 of sign %2 (must be 1 to %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sign %1 comes twice (first on line %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file ends inside frame %1 of sign %2 (%3 frames announced)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value %1 in field %2 of frame %3 of sign %4 is out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as UTF-8: Shift-JIS cannot hold the name of sign %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as UTF-8: Shift-JIS cannot hold the names of signs %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the table would be larger than 1 GiB, more than can be read back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::PracticeStarter</name>
    <message>
        <source>No word of this list can be played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list not loaded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::Reading</name>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 has no kana reading</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::RegularFile</name>
    <message>
        <source>Cannot read %1: the file is %2, larger than %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loading was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving was cancelled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::StudySession</name>
    <message>
        <source>Type word %1 first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::WordList</name>
    <message>
        <source>line %1 has no reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 has no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1 cannot be played (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 line of %1 was skipped: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lines of %2 were skipped: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the first %1 words of %2 were taken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::frmSpace</name>
    <message>
        <source>単語リスト編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::frmStudy</name>
    <message>
        <source>Worksheet...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::frmWordLists</name>
    <message>
        <source>単語リスト編集</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Worksheet...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading (can be corrected)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Looks the same as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading the word...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1. Type the reading in kana.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot be played: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Which words look alike cannot be shown: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No two words of the list look the same on the lips.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Words of one colour look the same on the lips: %n group(s).</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>New list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not saved)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word list has changes that are not saved. Save them?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) without a reading or a text were left out; saving drops them.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Only the first %1 words were read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::frmWorksheet</name>
    <message>
        <source>Worksheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words with readings and mouth shapes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer sheet: mouth shapes to read, answers at the end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sheet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>印刷</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n word(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Left out, since they cannot be played:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Saved %1: %n page(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>PDF Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Sent %n page(s) to the printer</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot print
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
