<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ko">
<context>
    <name>CMfcappView</name>
    <message>
        <source>%1로 저장 되었습니다.</source>
        <translation>Saved to %1.</translation>
    </message>
</context>
</TS>
