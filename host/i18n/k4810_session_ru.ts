<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_3085</source>
        <translation>трекер не подключён</translation>
    </message>
    <message>
        <source>K4810_3086</source>
        <translation>Трекер не подключён: чтение страниц, команды и выгрузка недоступны, пока он не будет подключён.</translation>
    </message>
    <message>
        <source>K4810_3087</source>
        <translation>Трекер не ответил за %1 с. Проверьте связь и повторите запрос.</translation>
    </message>
    <message>
        <source>K4810_3088</source>
        <translation>Оператор не ответил на запрос баланса за %1 с.</translation>
    </message>
    <message>
        <source>K4810_3089</source>
        <translation>Дата и время — по часам трекера (UTC), как в его страницах.</translation>
    </message>
    <message>
        <source>K4810_3090</source>
        <translation>Страницы, файлы, в которые они сохраняются, и эти поля даты используют часы трекера — UTC, независимо от часового пояса этого компьютера. Часовой пояс файла настроек (%1) записывается в XML-файл для программ, которые его читают.</translation>
    </message>
    <message>
        <source>K4810_3091</source>
        <translation>%1 с переходом на летнее время</translation>
    </message>
</context>
</TS>
