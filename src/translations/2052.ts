<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>IConfigureService</name>
    <message>
        <source>Orvella</source>
        <translation>Orvella</translation>
    </message>
    <message>
        <source>Kestrima Technology Co., Ltd.</source>
        <translation>凯斯特里玛科技有限公司</translation>
    </message>
</context>
<context>
    <name>IMsgBox</name>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
</TS>
