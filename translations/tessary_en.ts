<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
    <context>
        <name>core</name>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line where it needs %2.</numerusform>
                <numerusform>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n lines where it needs %2.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>%1 in the program folder holds %n line, but Tessary needs %2.</numerusform>
                <numerusform>%1 in the program folder holds %n lines, but Tessary needs %2.</numerusform>
            </translation>
        </message>
    </context>
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
