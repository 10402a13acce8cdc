<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>oralis::CommandLine</name>
    <message>
        <source>Usage: oralis [--reading TEXT... | --check-list FILE | --help | --version]
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
Without options, opens the lip-reading trainer&apos;s window.

  --reading TEXT...   for each text: the text, its reading as the word box
                      reads it and the signs it plays, tab-separated; a text
                      that cannot be read gets its reason instead
  --check-list FILE   lists each line of a word list whose reading cannot be
                      played or is not the spoken reading of its text: line
                      number, line, and the line as it should be
  --help              shows this help
  --version           shows the version

Exit status: 0 when all is well, 1 when a text cannot be read or the list
has faults, 2 when the command line is wrong or the list cannot be read.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no kana reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the texts joined by ・ read differently: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be checked: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 words, %3 lines to mend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: wrong number of arguments</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list ends at this empty line: the %1 lines after it are never read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no reading or no text: the quiz skips this line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1 words: the quiz reads no further</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::EditFrm</name>
    <message>
        <source>Edit Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Action</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Char</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Initial Pattern</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::Editor</name>
    <message>
        <source>Changes will be discarded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data updated</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The table was not saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a number in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a frame number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame number must be 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Number must be 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sign has no frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame number exceeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame Number exceeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This sign has no frame: use Add Frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot delete!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel number exceeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign %1 is not in the table: choose a sign from the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add: a sign holds at most %1 frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot add: the table holds at most %1 signs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::FileChoice</name>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 exists. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>oralis::Messages</name>
    <message>
        <source>Confirmation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes will be discarded</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::MouthShape</name>
    <message>
        <source>休み</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>あ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>い</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>う</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>え</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>お</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>閉じた口</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>促音</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撥音</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::Obtain_FilePath2</name>
    <message>
        <source>File_Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileName :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percobaan</source>
        <comment>the name a file is saved under unless the user types another</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files of type :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form2</source>
        <comment>the title while choosing a file to open</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Form2</source>
        <comment>the title while choosing a name to save under</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Load</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  (home)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::Playback</name>
    <message>
        <source>The renderer library %1 has no function %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot load the renderer library libLip.so:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed must be a number above 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed is too low (use 0.13 or more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The rest sign 0 has no frame</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign %1, frame %2 needs too many steps at this speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The renderer is not available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word is too long (at most 32 syllables)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsupported character(s) in the string</source>
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
    <name>oralis::Quiz</name>
    <message>
        <source>Quiz data not loaded</source>
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
    <message>
        <source>MeCab library not found: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MeCab library lacks an expected function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MeCab could not use the dictionary %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers above 9,999兆 cannot be read: type the number in kana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers with a decimal point cannot be read: type the number in kana</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Numbers with %1 cannot be read: type the number in kana</source>
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
    <name>oralis::StartupTable</name>
    <message>
        <source>The lip position table could not be loaded:
%1
%2

The file is left as it is.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose another table?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start with the table that comes with Oralis, or choose another one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the shipped table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a table…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start without a table</source>
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
    <name>oralis::WordListEditor</name>
    <message>
        <source>The word has no reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a reading in kana or romaji</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the word first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word cannot hold a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list holds at most %1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) is already in the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No word is chosen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::WordListFile</name>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as UTF-8: Shift-JIS cannot hold %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list holds no word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A list holds at most %1 words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word %1 (%2) has no reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word %1 (%2) has no text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word %1 (%2) holds a line break</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the list would not read back as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved as UTF-8, so that it reads back as it is</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::WordLists</name>
    <message>
        <source>JSLdefault</source>
        <comment>the shipped list of every word and phrase</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level1</source>
        <comment>the shipped list of a beginner&apos;s first words</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level2</source>
        <comment>the shipped list of the other words</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level3</source>
        <comment>the shipped list of short phrases</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>level4</source>
        <comment>the shipped list of longer sentences</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>greetings</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>family-and-home</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>food</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>shopping</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>time-and-numbers</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>places-and-directions</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>school-and-work</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>health-and-safety</source>
        <comment>a shipped list by theme</comment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::Worksheet</name>
    <message>
        <source>No word of the list can be played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2  (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::WorksheetPages</name>
    <message>
        <source>The pages could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF document could not be made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::frmAbout</name>
    <message>
        <source>Lip reading trainer %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beta Version</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>oralis::frmCopy</name>
    <message>
        <source>Form1</source>
        <comment>the title of the dialog that copies a frame</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sign Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Characters</source>
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
    <message>
        <source>カメラ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ホーム</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>相手</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自分</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>單語</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>速度</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>スタート</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ツール(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>解答練習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>成績</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>学習</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ヘルプ(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>バージョン情報</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language changes when Oralis is started again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>振り假名</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Angle Data</source>
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
<context>
    <name>oralis::frmYesNo</name>
    <message>
        <source>Form1</source>
        <comment>the title of the quiz&apos;s question</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>繼續</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>終了</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>再表示</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
