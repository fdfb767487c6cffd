<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="es">
<context>
    <name>LanguageMenu</name>
    <message>
        <source>Idioma</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>El idioma elegido se aplica al volver a abrir el programa</source>
        <translation>The chosen language applies when the program is opened again</translation>
    </message>
</context>
</TS>
