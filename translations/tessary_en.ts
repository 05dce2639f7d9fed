<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>ui::CheckWindow</name>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading %1 of %n files...</source>
        <translation>
            <numerusform>Reading %1 of %n file...</numerusform>
            <numerusform>Reading %1 of %n files...</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files checked.</source>
        <translation>
            <numerusform>%n file checked.</numerusform>
            <numerusform>%n files checked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Servers will refuse %n files: %1.</source>
        <translation>
            <numerusform>Servers will refuse %n file: %1.</numerusform>
            <numerusform>Servers will refuse %n files: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game cannot load %n files: %1.</source>
        <translation>
            <numerusform>The game cannot load %n file: %1.</numerusform>
            <numerusform>The game cannot load %n files: %1.</numerusform>
        </translation>
    </message>
</context>
</TS>
