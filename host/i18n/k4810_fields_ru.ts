<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_2500</source>
        <translation>Номер страницы</translation>
    </message>
    <message>
        <source>K4810_2501</source>
        <translation>Код события</translation>
    </message>
    <message>
        <source>K4810_2502</source>
        <translation>Время записи</translation>
    </message>
    <message>
        <source>K4810_2503</source>
        <translation>Состояние записи</translation>
    </message>
    <message>
        <source>K4810_2504</source>
        <translation>Состояние модуля</translation>
    </message>
    <message>
        <source>K4810_2505</source>
        <translation>Тип сотовой сети</translation>
    </message>
    <message>
        <source>K4810_2506</source>
        <translation>Уровень сигнала GSM</translation>
    </message>
    <message>
        <source>K4810_2507</source>
        <translation>Состояние навигационного приемника</translation>
    </message>
    <message>
        <source>K4810_2508</source>
        <translation>Время последних достоверных координат</translation>
    </message>
    <message>
        <source>K4810_2509</source>
        <translation>Широта</translation>
    </message>
    <message>
        <source>K4810_2510</source>
        <translation>Долгота</translation>
    </message>
    <message>
        <source>K4810_2511</source>
        <translation>Высота</translation>
    </message>
    <message>
        <source>K4810_2512</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>K4810_2513</source>
        <translation>Курс</translation>
    </message>
    <message>
        <source>K4810_2514</source>
        <translation>Пробег</translation>
    </message>
    <message>
        <source>K4810_2515</source>
        <translation>Последний отрезок пути</translation>
    </message>
    <message>
        <source>K4810_2516</source>
        <translation>Счетчик секунд</translation>
    </message>
    <message>
        <source>K4810_2517</source>
        <translation>Секунд с последней точки</translation>
    </message>
    <message>
        <source>K4810_2518</source>
        <translation>Напряжение основного питания</translation>
    </message>
    <message>
        <source>K4810_2519</source>
        <translation>Напряжение резервного аккумулятора</translation>
    </message>
    <message>
        <source>K4810_2520</source>
        <translation>Напряжение аналогового входа 1</translation>
    </message>
    <message>
        <source>K4810_2521</source>
        <translation>Напряжение аналогового входа 2</translation>
    </message>
    <message>
        <source>K4810_2522</source>
        <translation>Напряжение аналогового входа 3</translation>
    </message>
    <message>
        <source>K4810_2523</source>
        <translation>Напряжение аналогового входа 4</translation>
    </message>
    <message>
        <source>K4810_2524</source>
        <translation>Напряжение аналогового входа 5</translation>
    </message>
    <message>
        <source>K4810_2525</source>
        <translation>Напряжение аналогового входа 6</translation>
    </message>
    <message>
        <source>K4810_2526</source>
        <translation>Напряжение аналогового входа 7</translation>
    </message>
    <message>
        <source>K4810_2527</source>
        <translation>Напряжение аналогового входа 8</translation>
    </message>
    <message>
        <source>K4810_2528</source>
        <translation>Входы 1-8</translation>
    </message>
    <message>
        <source>K4810_2529</source>
        <translation>Входы 9-16</translation>
    </message>
    <message>
        <source>K4810_2530</source>
        <translation>Выходы 1-8</translation>
    </message>
    <message>
        <source>K4810_2531</source>
        <translation>Выходы 9-16</translation>
    </message>
    <message>
        <source>K4810_2532</source>
        <translation>Счетчик импульсов 1</translation>
    </message>
    <message>
        <source>K4810_2533</source>
        <translation>Счетчик импульсов 2</translation>
    </message>
    <message>
        <source>K4810_2534</source>
        <translation>Частотный вход 1</translation>
    </message>
    <message>
        <source>K4810_2535</source>
        <translation>Частотный вход 2</translation>
    </message>
    <message>
        <source>K4810_2536</source>
        <translation>Счетчик моточасов</translation>
    </message>
    <message>
        <source>K4810_2537</source>
        <translation>Уровень датчика RS-485 1</translation>
    </message>
    <message>
        <source>K4810_2538</source>
        <translation>Уровень датчика RS-485 2</translation>
    </message>
    <message>
        <source>K4810_2539</source>
        <translation>Уровень датчика RS-485 3</translation>
    </message>
    <message>
        <source>K4810_2540</source>
        <translation>Уровень датчика RS-485 4</translation>
    </message>
    <message>
        <source>K4810_2541</source>
        <translation>Уровень датчика RS-485 5</translation>
    </message>
    <message>
        <source>K4810_2542</source>
        <translation>Уровень датчика RS-485 6</translation>
    </message>
    <message>
        <source>K4810_2543</source>
        <translation>Уровень датчика RS-232</translation>
    </message>
    <message>
        <source>K4810_2544</source>
        <translation>Датчик температуры 1</translation>
    </message>
    <message>
        <source>K4810_2545</source>
        <translation>Датчик температуры 2</translation>
    </message>
    <message>
        <source>K4810_2546</source>
        <translation>Датчик температуры 3</translation>
    </message>
    <message>
        <source>K4810_2547</source>
        <translation>Датчик температуры 4</translation>
    </message>
    <message>
        <source>K4810_2548</source>
        <translation>Датчик температуры 5</translation>
    </message>
    <message>
        <source>K4810_2549</source>
        <translation>Датчик температуры 6</translation>
    </message>
    <message>
        <source>K4810_2550</source>
        <translation>Датчик температуры 7</translation>
    </message>
    <message>
        <source>K4810_2551</source>
        <translation>Датчик температуры 8</translation>
    </message>
    <message>
        <source>K4810_2552</source>
        <translation>CAN: уровень топлива</translation>
    </message>
    <message>
        <source>K4810_2553</source>
        <translation>CAN: расход топлива</translation>
    </message>
    <message>
        <source>K4810_2554</source>
        <translation>CAN: обороты двигателя</translation>
    </message>
    <message>
        <source>K4810_2555</source>
        <translation>CAN: температура охлаждающей жидкости</translation>
    </message>
    <message>
        <source>K4810_2556</source>
        <translation>CAN: полный пробег</translation>
    </message>
    <message>
        <source>K4810_2557</source>
        <translation>CAN: нагрузка на ось 1</translation>
    </message>
    <message>
        <source>K4810_2558</source>
        <translation>CAN: нагрузка на ось 2</translation>
    </message>
    <message>
        <source>K4810_2559</source>
        <translation>CAN: нагрузка на ось 3</translation>
    </message>
    <message>
        <source>K4810_2560</source>
        <translation>CAN: нагрузка на ось 4</translation>
    </message>
    <message>
        <source>K4810_2561</source>
        <translation>CAN: нагрузка на ось 5</translation>
    </message>
    <message>
        <source>K4810_2562</source>
        <translation>CAN: педаль акселератора</translation>
    </message>
    <message>
        <source>K4810_2563</source>
        <translation>CAN: педаль тормоза</translation>
    </message>
    <message>
        <source>K4810_2564</source>
        <translation>CAN: нагрузка двигателя</translation>
    </message>
    <message>
        <source>K4810_2565</source>
        <translation>CAN: отфильтрованный уровень топлива</translation>
    </message>
    <message>
        <source>K4810_2566</source>
        <translation>CAN: моточасы</translation>
    </message>
    <message>
        <source>K4810_2567</source>
        <translation>CAN: пробег до ТО</translation>
    </message>
    <message>
        <source>K4810_2568</source>
        <translation>CAN: скорость ТС</translation>
    </message>
    <message>
        <source>K4810_2569</source>
        <translation>Спутники по системам</translation>
    </message>
    <message>
        <source>K4810_2570</source>
        <translation>Точность (HDOP, PDOP)</translation>
    </message>
    <message>
        <source>K4810_2571</source>
        <translation>Состояние приемника</translation>
    </message>
    <message>
        <source>K4810_2572</source>
        <translation>Точные координаты</translation>
    </message>
    <message>
        <source>K4810_2573</source>
        <translation>Высота по приемнику</translation>
    </message>
    <message>
        <source>K4810_2574</source>
        <translation>Курс по приемнику</translation>
    </message>
    <message>
        <source>K4810_2575</source>
        <translation>Скорость по приемнику</translation>
    </message>
    <message>
        <source>K4810_2576</source>
        <translation>Базовые станции (LBS)</translation>
    </message>
    <message>
        <source>K4810_2577</source>
        <translation>Температура датчика RS-485 1</translation>
    </message>
    <message>
        <source>K4810_2578</source>
        <translation>Температура датчика RS-485 2</translation>
    </message>
    <message>
        <source>K4810_2579</source>
        <translation>Температура датчика RS-485 3</translation>
    </message>
    <message>
        <source>K4810_2580</source>
        <translation>Температура датчика RS-485 4</translation>
    </message>
    <message>
        <source>K4810_2581</source>
        <translation>Температура датчика RS-485 5</translation>
    </message>
    <message>
        <source>K4810_2582</source>
        <translation>Температура датчика RS-485 6</translation>
    </message>
    <message>
        <source>K4810_2583</source>
        <translation>Датчик RS-485 7: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2584</source>
        <translation>Датчик RS-485 8: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2585</source>
        <translation>Датчик RS-485 9: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2586</source>
        <translation>Датчик RS-485 10: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2587</source>
        <translation>Датчик RS-485 11: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2588</source>
        <translation>Датчик RS-485 12: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2589</source>
        <translation>Датчик RS-485 13: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2590</source>
        <translation>Датчик RS-485 14: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2591</source>
        <translation>Датчик RS-485 15: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2592</source>
        <translation>Датчик RS-485 16: уровень, темп.</translation>
    </message>
    <message>
        <source>K4810_2593</source>
        <translation>Шины 1–2</translation>
    </message>
    <message>
        <source>K4810_2594</source>
        <translation>Шины 3–6</translation>
    </message>
    <message>
        <source>K4810_2595</source>
        <translation>Шины 7–14</translation>
    </message>
    <message>
        <source>K4810_2596</source>
        <translation>Шины 15–30</translation>
    </message>
    <message>
        <source>K4810_2597</source>
        <translation>Тахограф: состояние</translation>
    </message>
    <message>
        <source>K4810_2598</source>
        <translation>Тахограф: деятельность водителя</translation>
    </message>
    <message>
        <source>K4810_2599</source>
        <translation>Тахограф: флаги</translation>
    </message>
    <message>
        <source>K4810_2600</source>
        <translation>Тахограф: скорость</translation>
    </message>
    <message>
        <source>K4810_2601</source>
        <translation>Тахограф: одометр</translation>
    </message>
    <message>
        <source>K4810_2602</source>
        <translation>Тахограф: время</translation>
    </message>
    <message>
        <source>K4810_2603</source>
        <translation>Дисплей: состояние сообщений</translation>
    </message>
    <message>
        <source>K4810_2604</source>
        <translation>Дисплей: последнее сообщение</translation>
    </message>
    <message>
        <source>K4810_2605</source>
        <translation>Изменение ускорения</translation>
    </message>
    <message>
        <source>K4810_2606</source>
        <translation>Линейное ускорение</translation>
    </message>
    <message>
        <source>K4810_2607</source>
        <translation>Модуль ускорения</translation>
    </message>
    <message>
        <source>K4810_2608</source>
        <translation>Наклон и поворот</translation>
    </message>
    <message>
        <source>K4810_2609</source>
        <translation>Пассажиры: дверь 1</translation>
    </message>
    <message>
        <source>K4810_2610</source>
        <translation>Пассажиры: дверь 2</translation>
    </message>
    <message>
        <source>K4810_2611</source>
        <translation>Пассажиры: дверь 3</translation>
    </message>
    <message>
        <source>K4810_2612</source>
        <translation>Пассажиры: дверь 4</translation>
    </message>
    <message>
        <source>K4810_2613</source>
        <translation>Пассажиры: дверь 5</translation>
    </message>
    <message>
        <source>K4810_2614</source>
        <translation>Пассажиры: дверь 6</translation>
    </message>
    <message>
        <source>K4810_2615</source>
        <translation>Пассажиры: дверь 7</translation>
    </message>
    <message>
        <source>K4810_2616</source>
        <translation>Пассажиры: дверь 8</translation>
    </message>
    <message>
        <source>K4810_2617</source>
        <translation>Информатор: состояние</translation>
    </message>
    <message>
        <source>K4810_2618</source>
        <translation>Информатор: геозона</translation>
    </message>
    <message>
        <source>K4810_2619</source>
        <translation>Информатор: остановка</translation>
    </message>
    <message>
        <source>K4810_2620</source>
        <translation>Информатор: маршрут</translation>
    </message>
    <message>
        <source>K4810_2621</source>
        <translation>Камера: состояние</translation>
    </message>
    <message>
        <source>K4810_2622</source>
        <translation>Широта и долгота</translation>
    </message>
    <message>
        <source>K4810_2630</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>K4810_2631</source>
        <translation>Местоположение и движение</translation>
    </message>
    <message>
        <source>K4810_2632</source>
        <translation>Питание, входы и выходы</translation>
    </message>
    <message>
        <source>K4810_2633</source>
        <translation>Датчики уровня топлива</translation>
    </message>
    <message>
        <source>K4810_2634</source>
        <translation>Датчики температуры</translation>
    </message>
    <message>
        <source>K4810_2635</source>
        <translation>Шина CAN</translation>
    </message>
    <message>
        <source>K4810_2636</source>
        <translation>Навигационный приемник и базовые станции</translation>
    </message>
    <message>
        <source>K4810_2637</source>
        <translation>Тахограф, дисплей, информатор, камера</translation>
    </message>
    <message>
        <source>K4810_2638</source>
        <translation>Акселерометр и пассажиры</translation>
    </message>
    <message>
        <source>K4810_1118</source>
        <translation>Расширенный (Vela), записи до 222 байт</translation>
    </message>
    <message>
        <source>K4810_1119</source>
        <translation>Стандартный, записи до 127 байт</translation>
    </message>
    <message>
        <source>K4810_1224</source>
        <translation>Поля записи, передаваемые на сервер</translation>
    </message>
    <message>
        <source>K4810_1225</source>
        <translation>Отметьте поля, которые трекер включает в каждую запись, передаваемую на телематический сервер. Чем меньше полей, тем короче записи и тем меньше мобильного трафика расходует трекер.</translation>
    </message>
    <message>
        <source>K4810_1226</source>
        <translation>Размер одной записи в байтах показан под полями; он меняется при установке или снятии отметки любого поля.</translation>
    </message>
    <message>
        <source>K4810_1227</source>
        <translation>Формат хранения &quot;Стандартный&quot;: записи не более 127 байт. Поля навигационного приемника, базовых станций, тахографа, дисплея водителя, информатора, камеры, акселерометра и счетчиков пассажиров в нем выбрать нельзя.</translation>
    </message>
    <message>
        <source>K4810_1228</source>
        <translation>Формат хранения &quot;Расширенный (Vela)&quot;: записи не более 222 байт, доступно любое поле. Используйте его, только если сервер поддерживает этот формат.</translation>
    </message>
    <message>
        <source>K4810_1229</source>
        <translation>Шины: выберите группы шин, для которых передаются номер, давление и температура (3 байта на шину).</translation>
    </message>
    <message>
        <source>K4810_1230</source>
        <translation>Диагностическая информация: трекер также передает свои диагностические сообщения на телематический сервер.</translation>
    </message>
    <message>
        <source>K4810_1231</source>
        <translation>Кнопка OK сохраняет выбор; она доступна, только пока запись укладывается в ограничение выбранного формата хранения, иначе размер выделяется красным. Кнопка &quot;Отмена&quot; оставляет прежний выбор.</translation>
    </message>
    <message>
        <source>K4810_1232</source>
        <translation>Кнопка &quot;Сброс&quot; выбирает стандартный набор полей: номер страницы, код события, время, состояние, состояние модуля и тип сети, сигнал GSM, состояние навигационного приемника, последние координаты, местоположение, скорость, курс, пробег, основное питание, резервный аккумулятор, входы 1-8 и моточасы.</translation>
    </message>
    <message>
        <source>K4810_1233</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>K4810_2640</source>
        <translation>Шины</translation>
    </message>
    <message>
        <source>K4810_2641</source>
        <translation>Без шин</translation>
    </message>
    <message>
        <source>K4810_2642</source>
        <translation>Шины %1</translation>
    </message>
    <message>
        <source>K4810_2643</source>
        <translation>Шины %1 (как сохранено)</translation>
    </message>
    <message>
        <source>K4810_2644</source>
        <translation>Формат хранения</translation>
    </message>
    <message>
        <source>K4810_2645</source>
        <translation>Передавать диагностическую информацию на сервер</translation>
    </message>
    <message>
        <source>K4810_2646</source>
        <translation>Размер записи:</translation>
    </message>
    <message>
        <source>K4810_2647</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>K4810_2649</source>
        <translation>Справка по выбору полей записи</translation>
    </message>
    <message>
        <source>K4810_2650</source>
        <translation>Выбрать стандартный набор полей и стандартный формат хранения</translation>
    </message>
    <message>
        <source>K4810_2651</source>
        <translation>%1 (%2), байт: %3</translation>
    </message>
    <message>
        <source>K4810_2652</source>
        <translation>Поля записи первого поколения</translation>
    </message>
    <message>
        <source>K4810_2653</source>
        <translation>Формат хранения %1 (как сохранено)</translation>
    </message>
    <message>
        <source>K4810_2654</source>
        <translation>Поля</translation>
    </message>
    <message>
        <source>K4810_2655</source>
        <translation>Поля расширенного формата</translation>
    </message>
</context>
</TS>
