<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_137</source>
        <translation>Не удалось подключиться к серверу.</translation>
    </message>
    <message>
        <source>K4810_138</source>
        <translation>Проверка связи с сервером не пройдена</translation>
    </message>
    <message>
        <source>K4810_139</source>
        <translation>Сервер принял подключение с этого компьютера.</translation>
    </message>
    <message>
        <source>K4810_140</source>
        <translation>Проверка связи с сервером пройдена</translation>
    </message>
    <message>
        <source>K4810_1294</source>
        <translation>Операторы роуминга SIM 1</translation>
    </message>
    <message>
        <source>K4810_1295</source>
        <translation>Операторы мобильной связи, которые SIM 1 может использовать в роуминге, в порядке предпочтения. Оператор задаётся кодом: код страны и код сети, например 25001.</translation>
    </message>
    <message>
        <source>K4810_1296</source>
        <translation>Дважды щёлкните строку, чтобы ввести или изменить код; «Вверх» и «Вниз» перемещают выбранный код по списку.</translation>
    </message>
    <message>
        <source>K4810_1297</source>
        <translation>№</translation>
    </message>
    <message>
        <source>K4810_1298</source>
        <translation>Код оператора</translation>
    </message>
    <message>
        <source>K4810_2400</source>
        <translation>Адрес сервера: %1</translation>
    </message>
    <message>
        <source>K4810_2401</source>
        <translation>Имя хоста: %1</translation>
    </message>
    <message>
        <source>K4810_2402</source>
        <translation>Сервер отклонил подключение: порт %1 никто не слушает.</translation>
    </message>
    <message>
        <source>K4810_2403</source>
        <translation>Имя хоста «%1» не найдено.</translation>
    </message>
    <message>
        <source>K4810_2404</source>
        <translation>Сервер недоступен: %1</translation>
    </message>
    <message>
        <source>K4810_2405</source>
        <translation>Сервер не ответил за %1 с.</translation>
    </message>
    <message>
        <source>K4810_2406</source>
        <translation>Порт %1 не является портом сервера: порт должен быть от 1 до 65535.</translation>
    </message>
    <message>
        <source>K4810_2410</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>K4810_2411</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>K4810_2412</source>
        <translation>Только цифры (не более 6)</translation>
    </message>
    <message>
        <source>K4810_2413</source>
        <translation>Переместить выбранный код на одну позицию вверх</translation>
    </message>
    <message>
        <source>K4810_2414</source>
        <translation>Переместить выбранный код на одну позицию вниз</translation>
    </message>
    <message>
        <source>K4810_2420</source>
        <translation>Оператор</translation>
    </message>
    <message>
        <source>K4810_2421</source>
        <translation>Точка доступа (APN)</translation>
    </message>
    <message>
        <source>K4810_2422</source>
        <translation>Имя пользователя</translation>
    </message>
    <message>
        <source>K4810_2423</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>K4810_2424</source>
        <translation>Использовать</translation>
    </message>
    <message>
        <source>K4810_2425</source>
        <translation>Мобильный интернет</translation>
    </message>
    <message>
        <source>K4810_2426</source>
        <translation>Модем или роутер</translation>
    </message>
    <message>
        <source>K4810_2427</source>
        <translation>Подставить точку доступа, имя пользователя и пароль из выбранной строки</translation>
    </message>
    <message>
        <source>K4810_2428</source>
        <translation>Выберите точку доступа и нажмите «Использовать» или дважды щёлкните её.</translation>
    </message>
</context>
</TS>
