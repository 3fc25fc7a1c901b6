<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="eo" sourcelanguage="en">
<context>
    <name>tonalyst::KeySettingsDialog</name>
    <message>
        <source>Options: Key Settings</source>
        <translation>Agordoj: Tonaloj</translation>
    </message>
    <message>
        <source>You must select at least one key</source>
        <translation>Elektu almenaŭ unu tonalon</translation>
    </message>
</context>
<context>
    <name>tonalyst::UserIdDialog</name>
    <message>
        <source>Enter Your User ID</source>
        <translation>Tajpu vian uzantnomon</translation>
    </message>
</context>
<context>
    <name>ReportMessages</name>
    <message>
        <source>Invalid Start Date</source>
        <translation>Nevalida komenca dato</translation>
    </message>
</context>
<context>
    <name>tonalyst::ActivitySection</name>
    <message>
        <source>Key</source>
        <translation>Tonalo</translation>
    </message>
</context>
<context>
    <name>RecordParser</name>
    <message>
        <source>Field %1 goes on after its closing quote.</source>
        <translation>Kampo %1 daŭras post sia ferma citilo.</translation>
    </message>
</context>
</TS>
