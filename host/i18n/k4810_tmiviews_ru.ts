<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_861</source>
        <translation>Пробег:</translation>
    </message>
    <message>
        <source>K4810_862</source>
        <translation>км</translation>
    </message>
    <message>
        <source>K4810_863</source>
        <translation>Пробег в километрах, от которого трекер продолжит счёт</translation>
    </message>
    <message>
        <source>K4810_864</source>
        <translation>Установить</translation>
    </message>
    <message>
        <source>K4810_865</source>
        <translation>Передать пробег в трекер</translation>
    </message>
    <message>
        <source>K4810_866</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>K4810_1157</source>
        <translation>Состояние модулей 2</translation>
    </message>
    <message>
        <source>K4810_1158</source>
        <translation>Аналоговый вход</translation>
    </message>
    <message>
        <source>K4810_1159</source>
        <translation>Группа входов</translation>
    </message>
    <message>
        <source>K4810_1160</source>
        <translation>Группа выходов</translation>
    </message>
    <message>
        <source>K4810_1161</source>
        <translation>Уровень RS-485</translation>
    </message>
    <message>
        <source>K4810_1162</source>
        <translation>Температура</translation>
    </message>
    <message>
        <source>K4810_1163</source>
        <translation>CAN: уровень топлива (сглаж.)</translation>
    </message>
    <message>
        <source>K4810_1164</source>
        <translation>Спутники</translation>
    </message>
    <message>
        <source>K4810_1165</source>
        <translation>HDOP</translation>
    </message>
    <message>
        <source>K4810_1166</source>
        <translation>PDOP</translation>
    </message>
    <message>
        <source>K4810_1167</source>
        <translation>Статус приёмника</translation>
    </message>
    <message>
        <source>K4810_1168</source>
        <translation>Широта (точно)</translation>
    </message>
    <message>
        <source>K4810_1169</source>
        <translation>Долгота (точно)</translation>
    </message>
    <message>
        <source>K4810_1170</source>
        <translation>Высота (точно), м</translation>
    </message>
    <message>
        <source>K4810_1171</source>
        <translation>Курс (точно), °</translation>
    </message>
    <message>
        <source>K4810_1172</source>
        <translation>Скорость (точно), км/ч</translation>
    </message>
    <message>
        <source>K4810_1173</source>
        <translation>Cell ID</translation>
    </message>
    <message>
        <source>K4810_1174</source>
        <translation>LAC</translation>
    </message>
    <message>
        <source>K4810_1175</source>
        <translation>MCC</translation>
    </message>
    <message>
        <source>K4810_1176</source>
        <translation>MNC</translation>
    </message>
    <message>
        <source>K4810_1177</source>
        <translation>Уровень сигнала соты</translation>
    </message>
    <message>
        <source>K4810_1178</source>
        <translation>Время опроса сот</translation>
    </message>
    <message>
        <source>K4810_1179</source>
        <translation>Температура RS-485</translation>
    </message>
    <message>
        <source>K4810_1180</source>
        <translation>Датчик шины</translation>
    </message>
    <message>
        <source>K4810_1181</source>
        <translation>Давление в шине</translation>
    </message>
    <message>
        <source>K4810_1182</source>
        <translation>Температура шины</translation>
    </message>
    <message>
        <source>K4810_1183</source>
        <translation>Состояние тахографа</translation>
    </message>
    <message>
        <source>K4810_1184</source>
        <translation>Режим труда водителя</translation>
    </message>
    <message>
        <source>K4810_1185</source>
        <translation>Флаги тахографа</translation>
    </message>
    <message>
        <source>K4810_1186</source>
        <translation>Скорость по тахографу, км/ч</translation>
    </message>
    <message>
        <source>K4810_1187</source>
        <translation>Одометр тахографа</translation>
    </message>
    <message>
        <source>K4810_1188</source>
        <translation>Время тахографа</translation>
    </message>
    <message>
        <source>K4810_1189</source>
        <translation>Сообщение на дисплей</translation>
    </message>
    <message>
        <source>K4810_1190</source>
        <translation>Последнее сообщение дисплея</translation>
    </message>
    <message>
        <source>K4810_1191</source>
        <translation>Изменение ускорения</translation>
    </message>
    <message>
        <source>K4810_1900</source>
        <translation>Линейное ускорение</translation>
    </message>
    <message>
        <source>K4810_1901</source>
        <translation>Модуль ускорения</translation>
    </message>
    <message>
        <source>K4810_1902</source>
        <translation>Угловое ускорение +</translation>
    </message>
    <message>
        <source>K4810_1903</source>
        <translation>Угловое ускорение −</translation>
    </message>
    <message>
        <source>K4810_1904</source>
        <translation>Ускорение в повороте</translation>
    </message>
    <message>
        <source>K4810_1905</source>
        <translation>Пассажиры</translation>
    </message>
    <message>
        <source>K4810_1906</source>
        <translation>Состояние автоинформатора</translation>
    </message>
    <message>
        <source>K4810_1907</source>
        <translation>Геозона</translation>
    </message>
    <message>
        <source>K4810_1908</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>K4810_1909</source>
        <translation>Маршрут</translation>
    </message>
    <message>
        <source>K4810_1910</source>
        <translation>Состояние камеры</translation>
    </message>
    <message>
        <source>K4810_1911</source>
        <translation>Расширенная навигация</translation>
    </message>
    <message>
        <source>K4810_1912</source>
        <translation>Базовые станции (LBS)</translation>
    </message>
    <message>
        <source>K4810_1913</source>
        <translation>Входы и выходы</translation>
    </message>
    <message>
        <source>K4810_1914</source>
        <translation>Питание и аналоговые входы</translation>
    </message>
    <message>
        <source>K4810_1915</source>
        <translation>Температуры</translation>
    </message>
    <message>
        <source>K4810_1916</source>
        <translation>Датчики RS-232 и RS-485</translation>
    </message>
    <message>
        <source>K4810_1917</source>
        <translation>Тахограф</translation>
    </message>
    <message>
        <source>K4810_1918</source>
        <translation>Акселерометр</translation>
    </message>
    <message>
        <source>K4810_1919</source>
        <translation>Шины</translation>
    </message>
    <message>
        <source>K4810_1920</source>
        <translation>Пассажиры</translation>
    </message>
    <message>
        <source>K4810_1921</source>
        <translation>Автоинформатор</translation>
    </message>
    <message>
        <source>K4810_1922</source>
        <translation>Камера</translation>
    </message>
    <message>
        <source>K4810_1923</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>K4810_1925</source>
        <translation>Трекер не ответил за %1 с. Загрузка остановлена, файл не сохранён: проверьте связь и загрузите интервал заново.</translation>
    </message>
    <message>
        <source>K4810_1926</source>
        <translation>Вход</translation>
    </message>
    <message>
        <source>K4810_1927</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>K4810_1930</source>
        <translation>Расширенная информация страницы</translation>
    </message>
    <message>
        <source>K4810_1931</source>
        <translation>Размер / версия стандартного блока, байт / версия блока состояния, байт</translation>
    </message>
    <message>
        <source>K4810_1932</source>
        <translation>Ключ идентификации</translation>
    </message>
    <message>
        <source>K4810_1933</source>
        <translation>Как показывать идентификационные номера страницы: как номер карты, как метку RFID (код объекта, номер) или как код ключа Touch Memory</translation>
    </message>
    <message>
        <source>K4810_1934</source>
        <translation>На странице нет расширенной информации.</translation>
    </message>
    <message>
        <source>K4810_1935</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>K4810_1936</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>K4810_1937</source>
        <translation>Значение</translation>
    </message>
    <message>
        <source>K4810_1939</source>
        <translation>O3 вкл.</translation>
    </message>
    <message>
        <source>K4810_1940</source>
        <translation>O3 выкл.</translation>
    </message>
    <message>
        <source>K4810_1941</source>
        <translation>O4 вкл.</translation>
    </message>
    <message>
        <source>K4810_1942</source>
        <translation>O4 выкл.</translation>
    </message>
    <message>
        <source>K4810_1943</source>
        <translation>Подробно…</translation>
    </message>
    <message>
        <source>K4810_1944</source>
        <translation>Основные</translation>
    </message>
    <message>
        <source>K4810_1945</source>
        <translation>Датчики</translation>
    </message>
    <message>
        <source>K4810_1946</source>
        <translation>Навигация и соты</translation>
    </message>
    <message>
        <source>K4810_1947</source>
        <translation>Водитель и ТС</translation>
    </message>
    <message>
        <source>K4810_1948</source>
        <translation>Показать расширенную запись страницы: её блоки и элементы идентификации</translation>
    </message>
    <message>
        <source>K4810_1950</source>
        <translation>Не удаётся открыть файл: он отсутствует или недоступен для чтения.</translation>
    </message>
    <message>
        <source>K4810_1951</source>
        <translation>Файл не является текстовым файлом телеметрии.</translation>
    </message>
    <message>
        <source>K4810_1952</source>
        <translation>В файле есть строка длиннее 64 КиБ: это не текстовый файл телеметрии, или файл повреждён.</translation>
    </message>
    <message>
        <source>K4810_1953</source>
        <translation>Первая</translation>
    </message>
    <message>
        <source>K4810_1954</source>
        <translation>Последняя</translation>
    </message>
    <message>
        <source>K4810_1955</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>K4810_1956</source>
        <translation>Чтение файла…</translation>
    </message>
    <message>
        <source>K4810_1957</source>
        <translation>Файл не открыт. Откройте текстовый файл телеметрии, чтобы просмотреть его страницы.</translation>
    </message>
    <message>
        <source>K4810_1958</source>
        <translation>Открыть…</translation>
    </message>
    <message>
        <source>K4810_1959</source>
        <translation>Размер:</translation>
    </message>
    <message>
        <source>K4810_1960</source>
        <translation>Страниц:</translation>
    </message>
    <message>
        <source>K4810_1961</source>
        <translation>Открыть текстовый файл телеметрии</translation>
    </message>
    <message>
        <source>K4810_1962</source>
        <translation>Остановить чтение файла</translation>
    </message>
    <message>
        <source>K4810_1963</source>
        <translation>Номер страницы для перехода (первая страница — 0)</translation>
    </message>
    <message>
        <source>K4810_1964</source>
        <translation>Показать первую страницу</translation>
    </message>
    <message>
        <source>K4810_1965</source>
        <translation>Показать предыдущую страницу</translation>
    </message>
    <message>
        <source>K4810_1966</source>
        <translation>Показать следующую страницу</translation>
    </message>
    <message>
        <source>K4810_1967</source>
        <translation>Показать последнюю страницу</translation>
    </message>
    <message>
        <source>K4810_1968</source>
        <translation>Показать страницу с номером, указанным в поле</translation>
    </message>
    <message>
        <source>K4810_1969</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>K4810_1970</source>
        <translation>Состояния</translation>
    </message>
    <message>
        <source>K4810_1971</source>
        <translation>В файле нет страниц.</translation>
    </message>
</context>
</TS>
