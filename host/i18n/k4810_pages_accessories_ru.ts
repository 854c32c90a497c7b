<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_218</source>
        <translation>Адаптер FMS (CAN FMS)</translation>
    </message>
    <message>
        <source>K4810_219</source>
        <translation>Не используется</translation>
    </message>
    <message>
        <source>K4810_220</source>
        <translation>Датчики уровня топлива</translation>
    </message>
    <message>
        <source>K4810_221</source>
        <translation>Адаптер CAN-LOG</translation>
    </message>
    <message>
        <source>K4810_223</source>
        <translation>Цифровая камера</translation>
    </message>
    <message>
        <source>K4810_224</source>
        <translation>Дисплей водителя DV-01</translation>
    </message>
    <message>
        <source>K4810_229</source>
        <translation>Информационное табло</translation>
    </message>
    <message>
        <source>K4810_891</source>
        <translation>LLS-совместимый</translation>
    </message>
    <message>
        <source>K4810_892</source>
        <translation>LLS-совместимый с температурой</translation>
    </message>
    <message>
        <source>K4810_893</source>
        <translation>Датчик уровня Modbus</translation>
    </message>
    <message>
        <source>K4810_894</source>
        <translation>Комбинированный (повторяет другой датчик)</translation>
    </message>
    <message>
        <source>K4810_1065</source>
        <translation>Тахограф</translation>
    </message>
    <message>
        <source>K4810_1206</source>
        <translation>Другое устройство (без кода протокола)</translation>
    </message>
    <message>
        <source>K4810_1207</source>
        <translation>Маршрутный информатор</translation>
    </message>
    <message>
        <source>K4810_1208</source>
        <translation>Контроллер сельхозтехники</translation>
    </message>
    <message>
        <source>K4810_1209</source>
        <translation>Спутниковый модем Iridium</translation>
    </message>
    <message>
        <source>K4810_1210</source>
        <translation>Устройство Modbus</translation>
    </message>
    <message>
        <source>K4810_1217</source>
        <translation>Тахограф с данными о топливе</translation>
    </message>
    <message>
        <source>K4810_1220</source>
        <translation>Контроль давления в шинах</translation>
    </message>
    <message>
        <source>K4810_1416</source>
        <translation>Считыватель RFID-карт</translation>
    </message>
    <message>
        <source>K4810_1469</source>
        <translation>Табло сообщений</translation>
    </message>
    <message>
        <source>K4810_1480</source>
        <translation>Рефрижераторная установка</translation>
    </message>
    <message>
        <source>K4810_1504</source>
        <translation>Датчики уровня топлива, объединённые баки</translation>
    </message>
    <message>
        <source>K4810_1509</source>
        <translation>Счётчик пассажиров</translation>
    </message>
    <message>
        <source>K4810_1510</source>
        <translation>Счётчик пассажиров (IP)</translation>
    </message>
    <message>
        <source>K4810_1529</source>
        <translation>Алкозамок</translation>
    </message>
    <message>
        <source>K4810_1533</source>
        <translation>Адаптер DTA CAN</translation>
    </message>
    <message>
        <source>K4810_2850</source>
        <translation>Использовать шину для:</translation>
    </message>
    <message>
        <source>K4810_2851</source>
        <translation>Скорость, бит/с:</translation>
    </message>
    <message>
        <source>K4810_2852</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>K4810_2853</source>
        <translation>Ответ, мс</translation>
    </message>
    <message>
        <source>K4810_2854</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>K4810_2855</source>
        <translation>Усреднение</translation>
    </message>
    <message>
        <source>K4810_2856</source>
        <translation>Шаг фильтра</translation>
    </message>
    <message>
        <source>K4810_2857</source>
        <translation>Порог движения</translation>
    </message>
    <message>
        <source>K4810_2858</source>
        <translation>Тарировочная таблица…</translation>
    </message>
    <message>
        <source>K4810_2859</source>
        <translation>повторяет датчик %1</translation>
    </message>
    <message>
        <source>K4810_2860</source>
        <translation>Логин</translation>
    </message>
    <message>
        <source>K4810_2861</source>
        <translation>Не опрашивать тахограф</translation>
    </message>
    <message>
        <source>K4810_2862</source>
        <translation>Время удержания, с</translation>
    </message>
    <message>
        <source>K4810_2863</source>
        <translation>Чётность</translation>
    </message>
    <message>
        <source>K4810_2864</source>
        <translation>ID считывателя</translation>
    </message>
    <message>
        <source>K4810_2865</source>
        <translation>Формат карты</translation>
    </message>
    <message>
        <source>K4810_2866</source>
        <translation>Читать только поднесённые близко карты</translation>
    </message>
    <message>
        <source>K4810_2867</source>
        <translation>Нижний порог сигнала, дБм</translation>
    </message>
    <message>
        <source>K4810_2868</source>
        <translation>Событие при входе каждого пассажира</translation>
    </message>
    <message>
        <source>K4810_2869</source>
        <translation>Порт RS-232 показан так, как он настроен в трекере; эта страница его не меняет.</translation>
    </message>
    <message>
        <source>K4810_2870</source>
        <translation>Пороги событий (событие при переходе значения через порог)</translation>
    </message>
    <message>
        <source>K4810_2871</source>
        <translation>CAN: масса автомобиля, кг</translation>
    </message>
    <message>
        <source>K4810_2872</source>
        <translation>CAN: предел оборотов двигателя, об/мин</translation>
    </message>
    <message>
        <source>K4810_2873</source>
        <translation>Проверить адаптер</translation>
    </message>
    <message>
        <source>K4810_2874</source>
        <translation>Адаптер с адресом %1 отвечает.</translation>
    </message>
    <message>
        <source>K4810_2875</source>
        <translation>Нет ответа от адаптера с адресом %1.</translation>
    </message>
    <message>
        <source>K4810_2876</source>
        <translation>Устройство:</translation>
    </message>
    <message>
        <source>K4810_2877</source>
        <translation>MAC-адрес:</translation>
    </message>
    <message>
        <source>K4810_2878</source>
        <translation>Код сопряжения:</translation>
    </message>
    <message>
        <source>K4810_2879</source>
        <translation>Найти устройства</translation>
    </message>
    <message>
        <source>K4810_2880</source>
        <translation>Трекер не завершил поиск вовремя; поиск остановлен.</translation>
    </message>
    <message>
        <source>K4810_2881</source>
        <translation>Трекер отключён; поиск завершён.</translation>
    </message>
    <message>
        <source>K4810_2882</source>
        <translation>Безопасность</translation>
    </message>
    <message>
        <source>K4810_2883</source>
        <translation>Вход безопасности %1</translation>
    </message>
    <message>
        <source>K4810_2884</source>
        <translation>Зуммер</translation>
    </message>
    <message>
        <source>K4810_2885</source>
        <translation>Контроль скорости</translation>
    </message>
    <message>
        <source>K4810_2886</source>
        <translation>Источник:</translation>
    </message>
    <message>
        <source>K4810_2887</source>
        <translation>Сбрасывать после каждого события</translation>
    </message>
    <message>
        <source>K4810_2888</source>
        <translation>От, км/ч</translation>
    </message>
    <message>
        <source>K4810_2889</source>
        <translation>До, км/ч</translation>
    </message>
    <message>
        <source>K4810_2890</source>
        <translation>Длительность, с</translation>
    </message>
    <message>
        <source>K4810_2891</source>
        <translation>Контроль ускорений</translation>
    </message>
    <message>
        <source>K4810_2892</source>
        <translation>Единицы:</translation>
    </message>
    <message>
        <source>K4810_2893</source>
        <translation>Разгон</translation>
    </message>
    <message>
        <source>K4810_2894</source>
        <translation>Торможение</translation>
    </message>
    <message>
        <source>K4810_2895</source>
        <translation>Поворот</translation>
    </message>
    <message>
        <source>K4810_2896</source>
        <translation>Удары</translation>
    </message>
    <message>
        <source>K4810_2897</source>
        <translation>Порог</translation>
    </message>
    <message>
        <source>K4810_2898</source>
        <translation>Длительность, мс</translation>
    </message>
    <message>
        <source>K4810_2899</source>
        <translation>Удержание, мс</translation>
    </message>
</context>
</TS>
