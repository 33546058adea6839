<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>History</name>
    <message numerus="yes">
        <source>%n changed from factory</source>
        <translation>
            <numerusform>%n changed from factory</numerusform>
            <numerusform>%n changed from factory</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LineStatus</name>
    <message numerus="yes">
        <source>Sending to %1… %n message(s) left (%2 s)</source>
        <translation>
            <numerusform>Sending to %1… %n message left (%2 s)</numerusform>
            <numerusform>Sending to %1… %n messages left (%2 s)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) not sent to the controller — File &gt; Send all settings again</source>
        <translation>
            <numerusform>%n setting not sent to the controller — File &gt; Send all settings again</numerusform>
            <numerusform>%n settings not sent to the controller — File &gt; Send all settings again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) not sent to the controller — choose the model first</source>
        <translation>
            <numerusform>%n setting not sent to the controller — choose the model first</numerusform>
            <numerusform>%n settings not sent to the controller — choose the model first</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is back — %n setting(s) not sent: File &gt; Send all settings again</source>
        <translation>
            <numerusform>%1 is back — %n setting not sent: File &gt; Send all settings again</numerusform>
            <numerusform>%1 is back — %n settings not sent: File &gt; Send all settings again</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is back — %n setting(s) not sent: choose the model first</source>
        <translation>
            <numerusform>%1 is back — %n setting not sent: choose the model first</numerusform>
            <numerusform>%1 is back — %n settings not sent: choose the model first</numerusform>
        </translation>
    </message>
</context>
</TS>
