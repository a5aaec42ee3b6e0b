<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>IConfigureService</name>
    <message>
        <source>Orvella</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kestrima Technology Co., Ltd.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
