<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Planted</name>
    <message>
        <source>Translated</source>
        <translation>翻訳済み</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 を開けません</translation>
    </message>
</context>
</TS>
