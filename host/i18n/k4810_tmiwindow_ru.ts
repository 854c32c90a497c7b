<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_580</source>
        <translation>Объект:</translation>
    </message>
    <message>
        <source>K4810_581</source>
        <translation>с</translation>
    </message>
    <message>
        <source>K4810_582</source>
        <translation>с</translation>
    </message>
    <message>
        <source>K4810_583</source>
        <translation>Телеметрия</translation>
    </message>
    <message>
        <source>K4810_584</source>
        <translation>Сохранить трек или файл телеметрии</translation>
    </message>
    <message>
        <source>K4810_585</source>
        <translation>Сохранить телеметрию в текстовый файл или таблицу</translation>
    </message>
    <message>
        <source>K4810_586</source>
        <translation>Поиск первой страницы интервала…</translation>
    </message>
    <message>
        <source>K4810_588</source>
        <translation>Чтение страниц интервала…</translation>
    </message>
    <message>
        <source>K4810_589</source>
        <translation>Запрос баланса SIM-карты</translation>
    </message>
    <message>
        <source>K4810_590</source>
        <translation>Трекер отправляет USSD-запрос оператору и ожидает ответа</translation>
    </message>
    <message>
        <source>K4810_591</source>
        <translation>10 с</translation>
    </message>
    <message>
        <source>K4810_592</source>
        <translation>USSD-код: </translation>
    </message>
    <message>
        <source>K4810_593</source>
        <translation>USSD-код запроса баланса (например, *100#):</translation>
    </message>
    <message>
        <source>K4810_594</source>
        <translation>Баланс SIM-карты</translation>
    </message>
    <message>
        <source>K4810_595</source>
        <translation>GSM-модуль трекера выключен или не зарегистрирован в сети, поэтому запросить баланс сейчас нельзя.</translation>
    </message>
    <message>
        <source>K4810_596</source>
        <translation>Баланс SIM-карты</translation>
    </message>
    <message>
        <source>K4810_597</source>
        <translation>Номер страницы</translation>
    </message>
    <message>
        <source>K4810_598</source>
        <translation>Код события</translation>
    </message>
    <message>
        <source>K4810_599</source>
        <translation>Время записи</translation>
    </message>
    <message>
        <source>K4810_600</source>
        <translation>Состояние записи</translation>
    </message>
    <message>
        <source>K4810_601</source>
        <translation>Состояние модулей</translation>
    </message>
    <message>
        <source>K4810_602</source>
        <translation>Уровень GSM, %</translation>
    </message>
    <message>
        <source>K4810_603</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>K4810_604</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>K4810_606</source>
        <translation>Основное питание, В</translation>
    </message>
    <message>
        <source>K4810_607</source>
        <translation>Резервный аккумулятор, В</translation>
    </message>
    <message>
        <source>K4810_608</source>
        <translation>Аналоговый вход 1, В</translation>
    </message>
    <message>
        <source>K4810_609</source>
        <translation>Аналоговый вход 2, В</translation>
    </message>
    <message>
        <source>K4810_610</source>
        <translation>Аналоговый вход 3, В</translation>
    </message>
    <message>
        <source>K4810_611</source>
        <translation>Счётчик импульсов 1</translation>
    </message>
    <message>
        <source>K4810_612</source>
        <translation>Счётчик импульсов 2</translation>
    </message>
    <message>
        <source>K4810_615</source>
        <translation>Частота 1, Гц</translation>
    </message>
    <message>
        <source>K4810_616</source>
        <translation>Частота 2, Гц</translation>
    </message>
    <message>
        <source>K4810_617</source>
        <translation>Счётчик моточасов</translation>
    </message>
    <message>
        <source>K4810_618</source>
        <translation>Уровень датчика RS-485 1</translation>
    </message>
    <message>
        <source>K4810_629</source>
        <translation>Уровень датчика RS-485 3</translation>
    </message>
    <message>
        <source>K4810_630</source>
        <translation>Уровень датчика RS-485 4</translation>
    </message>
    <message>
        <source>K4810_631</source>
        <translation>Уровень датчика RS-485 5</translation>
    </message>
    <message>
        <source>K4810_632</source>
        <translation>Уровень датчика RS-485 6</translation>
    </message>
    <message>
        <source>K4810_633</source>
        <translation>Уровень датчика RS-232</translation>
    </message>
    <message>
        <source>K4810_634</source>
        <translation>Температура 1, °C</translation>
    </message>
    <message>
        <source>K4810_637</source>
        <translation>Температура 2, °C</translation>
    </message>
    <message>
        <source>K4810_638</source>
        <translation>Температура 3, °C</translation>
    </message>
    <message>
        <source>K4810_639</source>
        <translation>Температура 4, °C</translation>
    </message>
    <message>
        <source>K4810_640</source>
        <translation>Состояние навигационного приёмника</translation>
    </message>
    <message>
        <source>K4810_641</source>
        <translation>Последние достоверные координаты</translation>
    </message>
    <message>
        <source>K4810_642</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>K4810_643</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>K4810_644</source>
        <translation>Высота, м</translation>
    </message>
    <message>
        <source>K4810_645</source>
        <translation>Скорость, км/ч</translation>
    </message>
    <message>
        <source>K4810_646</source>
        <translation>Курс, °</translation>
    </message>
    <message>
        <source>K4810_647</source>
        <translation>Пробег, км</translation>
    </message>
    <message>
        <source>K4810_648</source>
        <translation>Последний отрезок, км</translation>
    </message>
    <message>
        <source>K4810_649</source>
        <translation>Отсчитано секунд</translation>
    </message>
    <message>
        <source>K4810_650</source>
        <translation>Секунд с последней точки</translation>
    </message>
    <message>
        <source>K4810_651</source>
        <translation>Загрузка завершена: файл сохранён.</translation>
    </message>
    <message>
        <source>K4810_657</source>
        <translation>Вход IN1</translation>
    </message>
    <message>
        <source>K4810_658</source>
        <translation>Вход IN2</translation>
    </message>
    <message>
        <source>K4810_659</source>
        <translation>Вход IN3</translation>
    </message>
    <message>
        <source>K4810_660</source>
        <translation>Аналоговый вход AIN1</translation>
    </message>
    <message>
        <source>K4810_695</source>
        <translation>CAN: уровень топлива</translation>
    </message>
    <message>
        <source>K4810_696</source>
        <translation>CAN: расход топлива, л</translation>
    </message>
    <message>
        <source>K4810_697</source>
        <translation>CAN: обороты двигателя, об/мин</translation>
    </message>
    <message>
        <source>K4810_698</source>
        <translation>CAN: общий пробег, км</translation>
    </message>
    <message>
        <source>K4810_840</source>
        <translation>CAN: нагрузка на ось 1</translation>
    </message>
    <message>
        <source>K4810_841</source>
        <translation>CAN: нагрузка на ось 2</translation>
    </message>
    <message>
        <source>K4810_842</source>
        <translation>CAN: нагрузка на ось 3</translation>
    </message>
    <message>
        <source>K4810_843</source>
        <translation>CAN: нагрузка на ось 4</translation>
    </message>
    <message>
        <source>K4810_844</source>
        <translation>CAN: нагрузка на ось 5</translation>
    </message>
    <message>
        <source>K4810_845</source>
        <translation>CAN: скорость ТС</translation>
    </message>
    <message>
        <source>K4810_846</source>
        <translation>CAN: температура ОЖ</translation>
    </message>
    <message>
        <source>K4810_847</source>
        <translation>CAN: педаль акселератора</translation>
    </message>
    <message>
        <source>K4810_848</source>
        <translation>CAN: педаль тормоза</translation>
    </message>
    <message>
        <source>K4810_849</source>
        <translation>CAN: нагрузка двигателя</translation>
    </message>
    <message>
        <source>K4810_850</source>
        <translation>CAN: моточасы</translation>
    </message>
    <message>
        <source>K4810_851</source>
        <translation>CAN: пробег до ТО</translation>
    </message>
    <message>
        <source>K4810_854</source>
        <translation>Уровень датчика RS-485 2</translation>
    </message>
    <message>
        <source>K4810_1610</source>
        <translation>Не удалось записать файл %1 (%2). Ничего не сохранено: выберите другую папку или имя файла и загрузите интервал заново.</translation>
    </message>
    <message>
        <source>K4810_1611</source>
        <translation>Конец интервала раньше его начала. Установите конец позже начала и повторите.</translation>
    </message>
    <message>
        <source>K4810_1612</source>
        <translation>В трекере нет страниц после первой страницы интервала (первая страница %1, последняя %2), загружать нечего.</translation>
    </message>
    <message>
        <source>K4810_1613</source>
        <translation>Трекер прислал страницу, которую невозможно прочитать. Загрузка остановлена, файл не сохранён.</translation>
    </message>
    <message>
        <source>K4810_1614</source>
        <translation>Текущая</translation>
    </message>
    <message>
        <source>K4810_1615</source>
        <translation>Предыдущая</translation>
    </message>
    <message>
        <source>K4810_1616</source>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>K4810_1617</source>
        <translation>Показать</translation>
    </message>
    <message>
        <source>K4810_1618</source>
        <translation>Опрос каждые</translation>
    </message>
    <message>
        <source>K4810_1619</source>
        <translation>O1 вкл.</translation>
    </message>
    <message>
        <source>K4810_1620</source>
        <translation>O1 выкл.</translation>
    </message>
    <message>
        <source>K4810_1621</source>
        <translation>O2 вкл.</translation>
    </message>
    <message>
        <source>K4810_1622</source>
        <translation>O2 выкл.</translation>
    </message>
    <message>
        <source>K4810_1623</source>
        <translation>Охрана</translation>
    </message>
    <message>
        <source>K4810_1624</source>
        <translation>Наблюдение</translation>
    </message>
    <message>
        <source>K4810_1625</source>
        <translation>Пробег…</translation>
    </message>
    <message>
        <source>K4810_1626</source>
        <translation>Баланс SIM</translation>
    </message>
    <message>
        <source>K4810_1627</source>
        <translation>Загрузка интервала</translation>
    </message>
    <message>
        <source>K4810_1628</source>
        <translation>С</translation>
    </message>
    <message>
        <source>K4810_1629</source>
        <translation>По</translation>
    </message>
    <message>
        <source>K4810_1630</source>
        <translation>Текстовый файл (XML)</translation>
    </message>
    <message>
        <source>K4810_1631</source>
        <translation>Таблица (CSV)</translation>
    </message>
    <message>
        <source>K4810_1632</source>
        <translation>Файл телеметрии (.tmi)</translation>
    </message>
    <message>
        <source>K4810_1633</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>K4810_1634</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>K4810_1635</source>
        <translation>Страницы</translation>
    </message>
    <message>
        <source>K4810_1636</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>K4810_1637</source>
        <translation>Очистить неотправленные данные</translation>
    </message>
    <message>
        <source>K4810_1638</source>
        <translation>Сервер 1</translation>
    </message>
    <message>
        <source>K4810_1639</source>
        <translation>Сервер 2</translation>
    </message>
    <message>
        <source>K4810_1640</source>
        <translation>Сервер 3</translation>
    </message>
    <message>
        <source>K4810_1641</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>K4810_1642</source>
        <translation>Датчики топлива…</translation>
    </message>
    <message>
        <source>K4810_1643</source>
        <translation>Тахограф…</translation>
    </message>
    <message>
        <source>K4810_1644</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>K4810_1645</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>K4810_1646</source>
        <translation>Ключ Touch Memory</translation>
    </message>
    <message>
        <source>K4810_1647</source>
        <translation>Метка RFID</translation>
    </message>
    <message>
        <source>K4810_1648</source>
        <translation>Навигация</translation>
    </message>
    <message>
        <source>K4810_1649</source>
        <translation>Питание, входы и выходы</translation>
    </message>
    <message>
        <source>K4810_1650</source>
        <translation>Счётчики</translation>
    </message>
    <message>
        <source>K4810_1651</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>K4810_1652</source>
        <translation>Шина CAN</translation>
    </message>
    <message>
        <source>K4810_1653</source>
        <translation>Приёмник</translation>
    </message>
    <message>
        <source>K4810_1654</source>
        <translation>Навигационное решение</translation>
    </message>
    <message>
        <source>K4810_1655</source>
        <translation>Данные достоверны</translation>
    </message>
    <message>
        <source>K4810_1656</source>
        <translation>Регистрация в GSM</translation>
    </message>
    <message>
        <source>K4810_1658</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>K4810_1659</source>
        <translation>Часы</translation>
    </message>
    <message>
        <source>K4810_1660</source>
        <translation>Двигатель</translation>
    </message>
    <message>
        <source>K4810_1661</source>
        <translation>Событие</translation>
    </message>
    <message>
        <source>K4810_1662</source>
        <translation>Страница ещё не показана. Прочитайте текущую страницу, перейдите к другой странице или покажите страницу, записанную в выбранное время.</translation>
    </message>
    <message>
        <source>K4810_1663</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>K4810_1664</source>
        <translation>Запись достоверна</translation>
    </message>
    <message>
        <source>K4810_1665</source>
        <translation>Чтение страниц</translation>
    </message>
    <message>
        <source>K4810_1666</source>
        <translation>Выходы и охрана</translation>
    </message>
    <message>
        <source>K4810_1667</source>
        <translation>Дополнительное оборудование</translation>
    </message>
    <message>
        <source>K4810_1668</source>
        <translation>Выход O1</translation>
    </message>
    <message>
        <source>K4810_1669</source>
        <translation>Выход O2</translation>
    </message>
    <message>
        <source>K4810_1670</source>
        <translation>Прочитать текущую страницу трекера</translation>
    </message>
    <message>
        <source>K4810_1671</source>
        <translation>Прочитать страницу, предшествующую показанной</translation>
    </message>
    <message>
        <source>K4810_1672</source>
        <translation>Прочитать страницу, следующую за показанной</translation>
    </message>
    <message>
        <source>K4810_1673</source>
        <translation>Прочитать первую страницу, записанную в выбранное время или позже</translation>
    </message>
    <message>
        <source>K4810_1674</source>
        <translation>Читать текущую страницу повторно с периодом, заданным ползунком</translation>
    </message>
    <message>
        <source>K4810_1675</source>
        <translation>Перевести трекер в режим охраны</translation>
    </message>
    <message>
        <source>K4810_1676</source>
        <translation>Выключить режим охраны: только наблюдение</translation>
    </message>
    <message>
        <source>K4810_1677</source>
        <translation>Запросить у оператора баланс SIM-карты через трекер</translation>
    </message>
    <message>
        <source>K4810_1678</source>
        <translation>Установить пробег трекера</translation>
    </message>
    <message>
        <source>K4810_1679</source>
        <translation>Загрузить все страницы интервала в текстовый файл XML</translation>
    </message>
    <message>
        <source>K4810_1680</source>
        <translation>Загрузить все страницы интервала в таблицу с разделителем «точка с запятой»</translation>
    </message>
    <message>
        <source>K4810_1681</source>
        <translation>Загрузить все страницы интервала в двоичный файл телеметрии</translation>
    </message>
    <message>
        <source>K4810_1682</source>
        <translation>Другие варианты загрузки интервала: файл телеметрии, трек для Google Earth (линия или с отметками времени) или трек GPX</translation>
    </message>
    <message>
        <source>K4810_1683</source>
        <translation>Удалить из памяти трекера данные, ещё не отправленные на отмеченные серверы</translation>
    </message>
    <message>
        <source>K4810_1684</source>
        <translation>Прочитать код ключа Touch Memory, приложенного к считывателю</translation>
    </message>
    <message>
        <source>K4810_1685</source>
        <translation>Прочитать метку RFID, находящуюся у считывателя</translation>
    </message>
</context>
</TS>
