<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_500</source>
        <translation>Файл тарировки топлива</translation>
    </message>
    <message>
        <source>K4810_501</source>
        <translation>Тарировка датчика топлива</translation>
    </message>
    <message>
        <source>K4810_502</source>
        <translation>ТС:</translation>
    </message>
    <message>
        <source>K4810_503</source>
        <translation>Нет текущих показаний</translation>
    </message>
    <message>
        <source>K4810_504</source>
        <translation>Датчики RS-485</translation>
    </message>
    <message>
        <source>K4810_505</source>
        <translation>Датчик (бак):</translation>
    </message>
    <message>
        <source>K4810_506</source>
        <translation>Напряжение, В:</translation>
    </message>
    <message>
        <source>K4810_507</source>
        <translation>Объём, л</translation>
    </message>
    <message>
        <source>K4810_508</source>
        <translation>Напряжение, В</translation>
    </message>
    <message>
        <source>K4810_509</source>
        <translation>Объём, л:</translation>
    </message>
    <message>
        <source>K4810_510</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>K4810_511</source>
        <translation>Открыть тарировочную таблицу</translation>
    </message>
    <message>
        <source>K4810_512</source>
        <translation>Удалить отмеченные</translation>
    </message>
    <message>
        <source>K4810_513</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>K4810_514</source>
        <translation>Загрузить...</translation>
    </message>
    <message>
        <source>K4810_515</source>
        <translation>Сохранить в XML...</translation>
    </message>
    <message>
        <source>K4810_516</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>K4810_517</source>
        <translation>Зафиксировать</translation>
    </message>
    <message>
        <source>K4810_518</source>
        <translation>Стабильно в пределах ±</translation>
    </message>
    <message>
        <source>K4810_519</source>
        <translation>не менее, с</translation>
    </message>
    <message>
        <source>K4810_520</source>
        <translation>Добавляет текущее показание с введённым объёмом, когда показание остаётся стабильным в течение заданного времени</translation>
    </message>
    <message>
        <source>K4810_521</source>
        <translation>Показание стабильно</translation>
    </message>
    <message>
        <source>K4810_522</source>
        <translation>Показание меняется</translation>
    </message>
    <message>
        <source>K4810_523</source>
        <translation>Таблица немонотонна: отмеченные точки противоречат остальным</translation>
    </message>
    <message>
        <source>K4810_524</source>
        <translation>Датчик RS-232</translation>
    </message>
    <message>
        <source>K4810_525</source>
        <translation>Показание датчика</translation>
    </message>
    <message>
        <source>K4810_526</source>
        <translation>Датчик RS-485 D1</translation>
    </message>
    <message>
        <source>K4810_527</source>
        <translation>Датчик RS-485 D2</translation>
    </message>
    <message>
        <source>K4810_528</source>
        <translation>Датчик RS-485 D3</translation>
    </message>
    <message>
        <source>K4810_529</source>
        <translation>Датчик RS-485 D4</translation>
    </message>
    <message>
        <source>K4810_530</source>
        <translation>Датчик RS-485 D5</translation>
    </message>
    <message>
        <source>K4810_531</source>
        <translation>Датчик RS-485 D6</translation>
    </message>
    <message>
        <source>K4810_532</source>
        <translation>В таблице уже есть точки. Заменить их точками из файла?</translation>
    </message>
    <message>
        <source>K4810_533</source>
        <translation>Тарировка топлива</translation>
    </message>
    <message>
        <source>K4810_534</source>
        <translation>Эта тарировочная таблица создана для другой модели трекера и не может быть загружена.</translation>
    </message>
    <message>
        <source>K4810_535</source>
        <translation>Аналоговый вход A1</translation>
    </message>
    <message>
        <source>K4810_536</source>
        <translation>Аналоговый вход A2</translation>
    </message>
    <message>
        <source>K4810_537</source>
        <translation>Напряжение, В</translation>
    </message>
    <message>
        <source>K4810_538</source>
        <translation>Сохранить тарировочную таблицу</translation>
    </message>
    <message>
        <source>K4810_539</source>
        <translation>В таблице есть несохранённые точки. Сохранить их?</translation>
    </message>
    <message>
        <source>K4810_540</source>
        <translation>Удалить отмеченные точки?</translation>
    </message>
    <message>
        <source>K4810_541</source>
        <translation>Объём, л</translation>
    </message>
    <message>
        <source>K4810_542</source>
        <translation>Тарировочная таблица не сохранена:</translation>
    </message>
    <message>
        <source>K4810_543</source>
        <translation>Удалить все точки таблицы?</translation>
    </message>
    <message>
        <source>K4810_544</source>
        <translation>Показание F1</translation>
    </message>
    <message>
        <source>K4810_545</source>
        <translation>Протокол тарировки</translation>
    </message>
    <message>
        <source>K4810_546</source>
        <translation>Печать...</translation>
    </message>
    <message>
        <source>K4810_547</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>K4810_548</source>
        <translation>Форма</translation>
    </message>
    <message>
        <source>K4810_549</source>
        <translation>Тарировочная таблица топливного бака</translation>
    </message>
    <message>
        <source>K4810_550</source>
        <translation>ТС: </translation>
    </message>
    <message>
        <source>K4810_551</source>
        <translation>Бак:</translation>
    </message>
    <message>
        <source>K4810_552</source>
        <translation>______________________________</translation>
    </message>
    <message>
        <source>K4810_553</source>
        <translation>Датчик уровня топлива:</translation>
    </message>
    <message>
        <source>K4810_554</source>
        <translation>______________________________</translation>
    </message>
    <message>
        <source>K4810_555</source>
        <translation>Топливо:</translation>
    </message>
    <message>
        <source>K4810_556</source>
        <translation>______________________________</translation>
    </message>
    <message>
        <source>K4810_557</source>
        <translation>Объём, л</translation>
    </message>
    <message>
        <source>K4810_558</source>
        <translation>Тарировку провёл:</translation>
    </message>
    <message>
        <source>K4810_559</source>
        <translation>ФИО: ______________________________</translation>
    </message>
    <message>
        <source>K4810_560</source>
        <translation>Подпись: __________________________</translation>
    </message>
    <message>
        <source>K4810_561</source>
        <translation>Проверил и принял:</translation>
    </message>
    <message>
        <source>K4810_562</source>
        <translation>ФИО: ______________________________</translation>
    </message>
    <message>
        <source>K4810_563</source>
        <translation>Подпись: __________________________</translation>
    </message>
    <message>
        <source>K4810_564</source>
        <translation>Дата печати</translation>
    </message>
    <message>
        <source>K4810_565</source>
        <translation>Подписи</translation>
    </message>
    <message>
        <source>K4810_566</source>
        <translation>Техник</translation>
    </message>
    <message>
        <source>K4810_567</source>
        <translation>Заказчик</translation>
    </message>
    <message>
        <source>K4810_568</source>
        <translation>Файл не найден:</translation>
    </message>
    <message>
        <source>K4810_569</source>
        <translation>Не удаётся прочитать файл как тарировочную таблицу:</translation>
    </message>
    <message>
        <source>K4810_570</source>
        <translation>В таблице показания другого вида. При смене типа датчика таблица будет очищена. Продолжить?</translation>
    </message>
    <message>
        <source>K4810_571</source>
        <translation>Идентификатор:</translation>
    </message>
    <message>
        <source>K4810_572</source>
        <translation>Тип датчика:</translation>
    </message>
    <message>
        <source>K4810_573</source>
        <translation>Сохранить в PDF...</translation>
    </message>
    <message>
        <source>K4810_574</source>
        <translation>Файл PDF не записан:</translation>
    </message>
    <message>
        <source>K4810_575</source>
        <translation>Вход F1</translation>
    </message>
    <message>
        <source>K4810_576</source>
        <translation>Текущее показание</translation>
    </message>
    <message>
        <source>K4810_577</source>
        <translation>Для типа датчика из файла здесь нет таблицы:</translation>
    </message>
</context>
</TS>
