<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_271</source>
        <translation>Цифровые датчики температуры</translation>
    </message>
    <message>
        <source>K4810_272</source>
        <translation>Датчик</translation>
    </message>
    <message>
        <source>K4810_273</source>
        <translation>Ключ (код на шине)</translation>
    </message>
    <message>
        <source>K4810_274</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>K4810_279</source>
        <translation>Верхний предел, °C</translation>
    </message>
    <message>
        <source>K4810_280</source>
        <translation>Нижний предел, °C</translation>
    </message>
    <message>
        <source>K4810_281</source>
        <translation>T</translation>
    </message>
    <message>
        <source>K4810_282</source>
        <translation>Считать</translation>
    </message>
    <message>
        <source>K4810_283</source>
        <translation>Считать код датчика, подключённого сейчас к трекеру, и принять его как ключ этого датчика</translation>
    </message>
    <message>
        <source>K4810_284</source>
        <translation>Подключайте к шине 1-Wire трекера по одному датчику и нажимайте «Считать» в строке, которую нужно заполнить. Выход температуры за пределы датчика — событие трекера; верхний предел остаётся не менее чем на 5 °C выше нижнего.</translation>
    </message>
    <message>
        <source>K4810_2750</source>
        <translation>Чтение ключа датчика T%1…</translation>
    </message>
    <message>
        <source>K4810_2751</source>
        <translation>T%1: ключ %2 считан.</translation>
    </message>
    <message>
        <source>K4810_2752</source>
        <translation>T%1: считанное устройство не является датчиком температуры (код семейства %2). Подключите датчик отдельно и считайте снова.</translation>
    </message>
    <message>
        <source>K4810_2753</source>
        <translation>T%1: на шине 1-Wire ни одно устройство не ответило.</translation>
    </message>
    <message>
        <source>K4810_361</source>
        <translation>Общего назначения</translation>
    </message>
    <message>
        <source>K4810_362</source>
        <translation>Управление ключом Touch Memory</translation>
    </message>
    <message>
        <source>K4810_363</source>
        <translation>Регистрация водителя ключом Touch Memory</translation>
    </message>
    <message>
        <source>K4810_364</source>
        <translation>Иммобилайзер</translation>
    </message>
    <message>
        <source>K4810_365</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <source>K4810_366</source>
        <translation>Индикатор ключа Touch Memory</translation>
    </message>
    <message>
        <source>K4810_367</source>
        <translation>Постоянный уровень</translation>
    </message>
    <message>
        <source>K4810_368</source>
        <translation>Импульсы</translation>
    </message>
    <message>
        <source>K4810_369</source>
        <translation>Выход O1</translation>
    </message>
    <message>
        <source>K4810_370</source>
        <translation>Выход O2</translation>
    </message>
    <message>
        <source>K4810_371</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>K4810_372</source>
        <translation>Назначение:</translation>
    </message>
    <message>
        <source>K4810_373</source>
        <translation>Сигнал:</translation>
    </message>
    <message>
        <source>K4810_374</source>
        <translation>Активная фаза, с:</translation>
    </message>
    <message>
        <source>K4810_375</source>
        <translation>Пассивная фаза, с:</translation>
    </message>
    <message>
        <source>K4810_376</source>
        <translation>Автоматически выключать через, с:</translation>
    </message>
    <message>
        <source>K4810_377</source>
        <translation>Автоматически включать при</translation>
    </message>
    <message>
        <source>K4810_378</source>
        <translation>Тревога охраны</translation>
    </message>
    <message>
        <source>K4810_379</source>
        <translation>Постановка на охрану</translation>
    </message>
    <message>
        <source>K4810_380</source>
        <translation>Снятие с охраны</translation>
    </message>
    <message>
        <source>K4810_381</source>
        <translation>Срабатывание входа IN1</translation>
    </message>
    <message>
        <source>K4810_382</source>
        <translation>Срабатывание входа IN2</translation>
    </message>
    <message>
        <source>K4810_383</source>
        <translation>Срабатывание входа IN3</translation>
    </message>
    <message>
        <source>K4810_384</source>
        <translation>Срабатывание аналогового входа AIN1</translation>
    </message>
    <message>
        <source>K4810_385</source>
        <translation>Запуск двигателя</translation>
    </message>
    <message>
        <source>K4810_386</source>
        <translation>Остановка двигателя</translation>
    </message>
    <message>
        <source>K4810_387</source>
        <translation>Превышение скорости</translation>
    </message>
    <message>
        <source>K4810_388</source>
        <translation>Пропадание внешнего питания</translation>
    </message>
    <message>
        <source>K4810_389</source>
        <translation>Движение на стоянке</translation>
    </message>
    <message>
        <source>K4810_390</source>
        <translation>Обнаружено глушение GSM</translation>
    </message>
    <message>
        <source>K4810_391</source>
        <translation>Температура вне пределов</translation>
    </message>
    <message>
        <source>K4810_392</source>
        <translation>Ключ Touch Memory принят</translation>
    </message>
    <message>
        <source>K4810_393</source>
        <translation>Неизвестный ключ Touch Memory</translation>
    </message>
    <message>
        <source>K4810_394</source>
        <translation>Звонок с разрешённого телефона</translation>
    </message>
    <message>
        <source>K4810_395</source>
        <translation>Нет сети GSM</translation>
    </message>
    <message>
        <source>K4810_396</source>
        <translation>Настройки иммобилайзера</translation>
    </message>
    <message>
        <source>K4810_397</source>
        <translation>Блокировать только на стоящем автомобиле</translation>
    </message>
    <message>
        <source>K4810_398</source>
        <translation>Задержка перед блокировкой, с:</translation>
    </message>
    <message>
        <source>K4810_399</source>
        <translation>Задержка перед снятием блокировки, с:</translation>
    </message>
    <message>
        <source>K4810_400</source>
        <translation>Предупреждать зуммером перед блокировкой</translation>
    </message>
    <message>
        <source>K4810_421</source>
        <translation>Телефон 1</translation>
    </message>
    <message>
        <source>K4810_422</source>
        <translation>Телефон 2</translation>
    </message>
    <message>
        <source>K4810_423</source>
        <translation>Телефон 3</translation>
    </message>
    <message>
        <source>K4810_424</source>
        <translation>Телефон 4</translation>
    </message>
    <message>
        <source>K4810_425</source>
        <translation>Телефон 5</translation>
    </message>
    <message>
        <source>K4810_426</source>
        <translation>Телефон</translation>
    </message>
    <message>
        <source>K4810_427</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>K4810_428</source>
        <translation>Не оповещать</translation>
    </message>
    <message>
        <source>K4810_429</source>
        <translation>SMS</translation>
    </message>
    <message>
        <source>K4810_430</source>
        <translation>Звонок</translation>
    </message>
    <message>
        <source>K4810_431</source>
        <translation>SMS и звонок</translation>
    </message>
    <message>
        <source>K4810_432</source>
        <translation>SMS со ссылкой на карту</translation>
    </message>
    <message>
        <source>K4810_433</source>
        <translation>Ссылка на карту и звонок</translation>
    </message>
    <message>
        <source>K4810_434</source>
        <translation>Номер:</translation>
    </message>
    <message>
        <source>K4810_435</source>
        <translation>Оповещать о</translation>
    </message>
    <message>
        <source>K4810_436</source>
        <translation>Срабатывание входа IN1</translation>
    </message>
    <message>
        <source>K4810_437</source>
        <translation>Срабатывание входа IN2</translation>
    </message>
    <message>
        <source>K4810_438</source>
        <translation>Срабатывание входа IN3</translation>
    </message>
    <message>
        <source>K4810_439</source>
        <translation>Срабатывание аналогового входа AIN1</translation>
    </message>
    <message>
        <source>K4810_440</source>
        <translation>Пропадание внешнего питания</translation>
    </message>
    <message>
        <source>K4810_441</source>
        <translation>Восстановление внешнего питания</translation>
    </message>
    <message>
        <source>K4810_442</source>
        <translation>Разряд резервной батареи</translation>
    </message>
    <message>
        <source>K4810_443</source>
        <translation>Запуск двигателя</translation>
    </message>
    <message>
        <source>K4810_444</source>
        <translation>Остановка двигателя</translation>
    </message>
    <message>
        <source>K4810_445</source>
        <translation>Тревога охраны</translation>
    </message>
    <message>
        <source>K4810_446</source>
        <translation>Постановка и снятие с охраны</translation>
    </message>
    <message>
        <source>K4810_447</source>
        <translation>Превышение скорости</translation>
    </message>
    <message>
        <source>K4810_448</source>
        <translation>Движение на стоянке</translation>
    </message>
    <message>
        <source>K4810_449</source>
        <translation>Обнаружено глушение GSM</translation>
    </message>
    <message>
        <source>K4810_450</source>
        <translation>Баланс SIM-карты ниже минимума</translation>
    </message>
    <message>
        <source>K4810_451</source>
        <translation>Температура вне пределов</translation>
    </message>
    <message>
        <source>K4810_452</source>
        <translation>Приложен ключ Touch Memory</translation>
    </message>
    <message>
        <source>K4810_453</source>
        <translation>Перезапуск трекера</translation>
    </message>
    <message>
        <source>K4810_454</source>
        <translation>Команды без пароля</translation>
    </message>
    <message>
        <source>K4810_455</source>
        <translation>Отправлять баланс</translation>
    </message>
    <message>
        <source>K4810_456</source>
        <translation>Через SMS</translation>
    </message>
    <message>
        <source>K4810_457</source>
        <translation>Все телефоны</translation>
    </message>
    <message>
        <source>K4810_458</source>
        <translation>Принимать входящие голосовые вызовы</translation>
    </message>
    <message>
        <source>K4810_459</source>
        <translation>Принимать SMS-команды с любого номера</translation>
    </message>
    <message>
        <source>K4810_460</source>
        <translation>Пароль голосового вызова:</translation>
    </message>
    <message>
        <source>K4810_461</source>
        <translation>Разрешённые телефоны</translation>
    </message>
    <message>
        <source>K4810_462</source>
        <translation>Знак плюс и не более 15 цифр, например +79161234567</translation>
    </message>
    <message>
        <source>K4810_463</source>
        <translation>Действует при автоматической проверке баланса (страница «Система»)</translation>
    </message>
    <message>
        <source>K4810_464</source>
        <translation>Действует при ограничении скорости (страница «Трек»)</translation>
    </message>
    <message>
        <source>K4810_489</source>
        <translation>SMS с ответом оператора</translation>
    </message>
    <message>
        <source>K4810_1334</source>
        <translation>Использовать охрану</translation>
    </message>
    <message>
        <source>K4810_1335</source>
        <translation>Режимы охраны</translation>
    </message>
    <message>
        <source>K4810_1336</source>
        <translation>Охрана</translation>
    </message>
    <message>
        <source>K4810_1337</source>
        <translation>Наблюдение</translation>
    </message>
    <message>
        <source>K4810_1338</source>
        <translation>Контролируемые события</translation>
    </message>
    <message>
        <source>K4810_1339</source>
        <translation>Вход IN1</translation>
    </message>
    <message>
        <source>K4810_1340</source>
        <translation>Вход IN2</translation>
    </message>
    <message>
        <source>K4810_1341</source>
        <translation>Вход IN3</translation>
    </message>
    <message>
        <source>K4810_1342</source>
        <translation>Аналоговый вход AIN1</translation>
    </message>
    <message>
        <source>K4810_1343</source>
        <translation>Включение зажигания</translation>
    </message>
    <message>
        <source>K4810_1344</source>
        <translation>Движение (акселерометр)</translation>
    </message>
    <message>
        <source>K4810_1345</source>
        <translation>Наклон или эвакуация (акселерометр)</translation>
    </message>
    <message>
        <source>K4810_1346</source>
        <translation>Уход с места стоянки (GPS)</translation>
    </message>
    <message>
        <source>K4810_1347</source>
        <translation>Пропадание внешнего питания</translation>
    </message>
    <message>
        <source>K4810_1348</source>
        <translation>Глушение GSM</translation>
    </message>
    <message>
        <source>K4810_1349</source>
        <translation>Температура вне пределов</translation>
    </message>
    <message>
        <source>K4810_1350</source>
        <translation>В нормальном состоянии</translation>
    </message>
    <message>
        <source>K4810_1351</source>
        <translation>При тревоге</translation>
    </message>
    <message>
        <source>K4810_1352</source>
        <translation>При постановке и снятии</translation>
    </message>
    <message>
        <source>K4810_1353</source>
        <translation>Звук при постановке и снятии</translation>
    </message>
    <message>
        <source>K4810_1354</source>
        <translation>Звук при тревоге</translation>
    </message>
    <message>
        <source>K4810_1355</source>
        <translation>Ничего</translation>
    </message>
    <message>
        <source>K4810_1356</source>
        <translation>Запись точки</translation>
    </message>
    <message>
        <source>K4810_1357</source>
        <translation>SMS на телефоны</translation>
    </message>
    <message>
        <source>K4810_1358</source>
        <translation>Запись точки, SMS</translation>
    </message>
    <message>
        <source>K4810_1359</source>
        <translation>Звонок на телефоны</translation>
    </message>
    <message>
        <source>K4810_1360</source>
        <translation>Запись точки, звонок</translation>
    </message>
    <message>
        <source>K4810_1361</source>
        <translation>SMS и звонок</translation>
    </message>
    <message>
        <source>K4810_1362</source>
        <translation>Запись точки, SMS и звонок</translation>
    </message>
    <message>
        <source>K4810_1363</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>K4810_1364</source>
        <translation>Один сигнал</translation>
    </message>
    <message>
        <source>K4810_1365</source>
        <translation>Два сигнала</translation>
    </message>
    <message>
        <source>K4810_1366</source>
        <translation>Сирена</translation>
    </message>
    <message>
        <source>K4810_1367</source>
        <translation>Управляемый выход</translation>
    </message>
    <message>
        <source>K4810_1368</source>
        <translation>Выход:</translation>
    </message>
    <message>
        <source>K4810_1369</source>
        <translation>Управление:</translation>
    </message>
    <message>
        <source>K4810_1370</source>
        <translation>Нет выхода</translation>
    </message>
    <message>
        <source>K4810_1371</source>
        <translation>Выход O1</translation>
    </message>
    <message>
        <source>K4810_1372</source>
        <translation>Выход O2</translation>
    </message>
    <message>
        <source>K4810_1373</source>
        <translation>Уровень на время охраны</translation>
    </message>
    <message>
        <source>K4810_1374</source>
        <translation>Импульс при постановке и снятии</translation>
    </message>
    <message>
        <source>K4810_1375</source>
        <translation>Длительность импульса, с:</translation>
    </message>
    <message>
        <source>K4810_1376</source>
        <translation>Дополнительные настройки</translation>
    </message>
    <message>
        <source>K4810_1377</source>
        <translation>Время на снятие до тревоги, с:</translation>
    </message>
    <message>
        <source>K4810_1378</source>
        <translation>Задержка постановки на охрану, с:</translation>
    </message>
    <message>
        <source>K4810_1379</source>
        <translation>Повтор тревоги через, с:</translation>
    </message>
    <message>
        <source>K4810_1380</source>
        <translation>Неверных попыток снятия до блокировки:</translation>
    </message>
    <message>
        <source>K4810_1381</source>
        <translation>Блокировать снятие на, мин:</translation>
    </message>
    <message>
        <source>K4810_1382</source>
        <translation>Не ставить на охрану при включённом зажигании</translation>
    </message>
    <message>
        <source>K4810_1383</source>
        <translation>Определять зажигание по напряжению питания</translation>
    </message>
    <message>
        <source>K4810_1384</source>
        <translation>Сразу поднимать тревогу</translation>
    </message>
    <message>
        <source>K4810_1385</source>
        <translation>Автоматическая постановка на охрану</translation>
    </message>
    <message>
        <source>K4810_1386</source>
        <translation>Повторная постановка через, с:</translation>
    </message>
    <message>
        <source>K4810_1387</source>
        <translation>Повторная постановка</translation>
    </message>
</context>
</TS>
