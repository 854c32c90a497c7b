<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="ru_RU">
<context>
    <name>AccelCalibration</name>
    <message>
        <source>неизвестная команда</source>
        <translation>unknown command</translation>
    </message>
    <message>
        <source>команда выполнена успешно</source>
        <translation>command carried out</translation>
    </message>
    <message>
        <source>ошибка: автомобиль двигался или сильно вибрировал</source>
        <translation>error: the vehicle moved or shook too much</translation>
    </message>
    <message>
        <source>динамическая калибровка начата</source>
        <translation>calibration while driving started</translation>
    </message>
    <message>
        <source>ошибка: автомобиль не тронулся с места</source>
        <translation>error: the vehicle did not move off</translation>
    </message>
    <message>
        <source>калибровка завершена, проверьте правильность определения направления</source>
        <translation>calibration finished; check that the direction is found correctly</translation>
    </message>
    <message>
        <source>ошибка: недостаточное количество и/или интенсивность разгонов/торможений</source>
        <translation>error: too few or too weak accelerations and brakings</translation>
    </message>
    <message>
        <source>динамическая проверка начата</source>
        <translation>check while driving started</translation>
    </message>
    <message>
        <source>необходимо повторить калибровку</source>
        <translation>the calibration has to be repeated</translation>
    </message>
    <message>
        <source>калибровка выполнена верна</source>
        <translation>the calibration is correct</translation>
    </message>
    <message>
        <source>ошибка: не удалось измерить силу тяжести</source>
        <translation>error: gravity could not be measured</translation>
    </message>
    <message>
        <source>калибровка по GNSS начата</source>
        <translation>calibration by GNSS started</translation>
    </message>
    <message>
        <source>ошибка: не удалось откалибровать по GNSS</source>
        <translation>error: calibration by GNSS failed</translation>
    </message>
</context>
<context>
    <name>FormWait</name>
    <message>
        <source>Ожидание процесса</source>
        <translation>Please wait</translation>
    </message>
    <message>
        <source>Чтение натроечных параметров из устройства</source>
        <translation>Reading the settings from the tracker</translation>
    </message>
</context>
<context>
    <name>ORV_FormAccelCalibrMaster</name>
    <message>
        <source>Выберете нужное Вам действие и нажмите кнопку "Далее"</source>
        <translation>Choose what to do and press "Next"</translation>
    </message>
    <message>
        <source>Калибровка осей акселерометра по данным GNSS</source>
        <translation>Calibrate the accelerometer's axes by GNSS</translation>
    </message>
    <message>
        <source>Автономная калибровка осей акселерометра</source>
        <translation>Calibrate the accelerometer's axes without GNSS</translation>
    </message>
    <message>
        <source>Проверка калибровки осей акселерометра</source>
        <translation>Check the calibration of the accelerometer's axes</translation>
    </message>
    <message>
        <source>обычно от десятков минут до нескольких часов</source>
        <translation>usually from tens of minutes to a few hours</translation>
    </message>
    <message>
        <source>Назад</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Не удалось получить ответа от устройства.</source>
        <translation>The tracker did not answer.</translation>
    </message>
    <message>
        <source>Завершить</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Далее</source>
        <translation>Next</translation>
    </message>
    <message>
        <source>Выбор действия</source>
        <translation>Choose an action</translation>
    </message>
    <message>
        <source>Для перехода к окну выбора действия нажмите кнопку "Далее".</source>
        <translation>Press "Next" to go back to the choice of action.</translation>
    </message>
    <message>
        <source>Для отмены калибровки нажмите кнопку "Назад"</source>
        <translation>Press "Back" to cancel the calibration</translation>
    </message>
    <message>
        <source>Калибровка акселерометра не поддерживается.</source>
        <translation>This tracker cannot calibrate its accelerometer.</translation>
    </message>
</context>
<context>
    <name>ORV_FormAutoApnList</name>
    <message>
        <source>Список операторов</source>
        <translation>Operator list</translation>
    </message>
</context>
<context>
    <name>ORV_FormBluetooth</name>
    <message>
        <source>Поиск активных устройств...</source>
        <translation>Looking for devices in range...</translation>
    </message>
    <message>
        <source>Найдено устройство: %1</source>
        <translation>Device found: %1</translation>
    </message>
    <message>
        <source>Поиск завершен. &lt;br&gt;Найдено устройств: %1</source>
        <translation>Search finished. &lt;br&gt;Devices found: %1</translation>
    </message>
    <message>
        <source>Поиск завершен. &lt;br&gt;Активных устройств не найдено.</source>
        <translation>Search finished. &lt;br&gt;No device in range.</translation>
    </message>
    <message>
        <source>Ошибка, поиск отменён.</source>
        <translation>Error: the search was stopped.</translation>
    </message>
    <message>
        <source>Поиск отменён пользователем.</source>
        <translation>Search cancelled.</translation>
    </message>
</context>
<context>
    <name>ORV_FormRS</name>
    <message>
        <source>LLS-совместимый (с расширенным диапазоном)</source>
        <translation>LLS-compatible (extended range)</translation>
    </message>
</context>
<context>
    <name>ORV_FormSetVela2</name>
    <message>
        <source>байт (максимум 222)</source>
        <translation>bytes (at most 222)</translation>
    </message>
    <message>
        <source>байт (максимум 127)</source>
        <translation>bytes (at most 127)</translation>
    </message>
</context>
<context>
    <name>ORV_FormSettingsVELA</name>
    <message>
        <source>байт</source>
        <translation>bytes</translation>
    </message>
</context>
<context>
    <name>ORV_FormTaho</name>
    <message>
        <source>Тахограф</source>
        <translation>Tachograph</translation>
    </message>
    <message>
        <source>Запрос</source>
        <translation>Query</translation>
    </message>
    <message>
        <source>Выгрузка DDD файла</source>
        <translation>DDD file download</translation>
    </message>
    <message>
        <source>Логин:</source>
        <translation>Login:</translation>
    </message>
    <message>
        <source>Пароль:</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>Авторизация</source>
        <translation>Log in</translation>
    </message>
    <message>
        <source>Сформировать DDD файл</source>
        <translation>Make DDD file</translation>
    </message>
    <message>
        <source>Загрузить DDD файл</source>
        <translation>Download DDD file</translation>
    </message>
</context>
<context>
    <name>ORV_FormXml_Light</name>
    <message>
        <source>Перейти в расширенный режим отображения конфигурации</source>
        <translation>Switch to the full settings view</translation>
    </message>
    <message>
        <source>Сохранить конфигурацию на диске</source>
        <translation>Save the settings to a file</translation>
    </message>
    <message>
        <source>Загрузка конфигурации из окна в устройство</source>
        <translation>Write the settings of this window to the tracker</translation>
    </message>
    <message>
        <source>Закрыть окно</source>
        <translation>Close the window</translation>
    </message>
</context>
<context>
    <name>TachoExchange</name>
    <message>
        <source>[%1] Запрос данных DDD файла: </source>
        <translation>[%1] DDD file data request: </translation>
    </message>
    <message>
        <source>[%1] Длина файла: &lt;b&gt;%2&lt;/b&gt; байт</source>
        <translation>[%1] File length: &lt;b&gt;%2&lt;/b&gt; bytes</translation>
    </message>
    <message>
        <source>не подключен</source>
        <translation>not connected</translation>
    </message>
    <message>
        <source>&lt;b&gt;Информация о текущим состоянии тахографа: %1&lt;/b&gt;</source>
        <translation>&lt;b&gt;Tachograph state: %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Информация о картах №%1: %2&lt;/b&gt;</source>
        <translation>&lt;b&gt;Card %1: %2&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;Регистрационная информация: %1&lt;/b&gt;</source>
        <translation>&lt;b&gt;Registration data: %1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) DDD файл сформирован.&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The DDD file is made.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Команда не может быть выполнена, т.к. не завершено выполнение предыдущей команды.&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The command cannot be carried out: the previous one has not finished.&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Неизвестная команда/запрос&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) Unknown command or request&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) В команде указаны неверные параметры для авторизации&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The command holds a wrong login or password&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Устройство не настроено на работу с тахографом&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The tracker is not set up for a tachograph&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Отсутствует связь с тахографом&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) No connection with the tachograph&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Файл выгрузки не сформирован&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The download file has not been made&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Не удалось авторизоваться в тахографе&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) Logging in to the tachograph failed&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Ошибка сохранения/чтения данных из энергонезависимой памяти&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) Error writing or reading the non-volatile memory&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) В запросе на формирование DDD файла указаны неверные параметры (дата, номер карты)&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The request for a DDD file holds wrong parameters (date, card number)&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Тахограф не может сформировать DDD файл в текущем режиме работы&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The tachograph cannot make a DDD file in its current mode&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Выгрузка данного типа DDD файла не поддерживается тахографом&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The tachograph does not support this type of DDD file&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Нет данных для формирования DDD файла&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) No data to make a DDD file of&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Ошибка получения DDD файла от тахографа&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) Error receiving the DDD file from the tachograph&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Формирование DDD файла прервано из-за обновления ПО устройства&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) Making the DDD file was stopped by a firmware update of the tracker&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Не удалось сформировать имя DDD файла, т.к. файл имеет некорректную структуру&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The DDD file could not be named: its structure is wrong&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Не удалось отправить файл на e-mail&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) The file could not be sent by e-mail&lt;/b&gt;</translation>
    </message>
    <message>
        <source>&lt;b&gt;(0x%1) Команда принята. Начато формирование DDD файла.&lt;/b&gt;</source>
        <translation>&lt;b&gt;(0x%1) Command accepted. Making the DDD file.&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>orv_FormXml_K4810</name>
    <message>
        <source>Перейти в упрощенный режим отображения конфигурации</source>
        <translation>Switch to the light settings view</translation>
    </message>
    <message>
        <source>При смене режима отображения конфигурации на упрощенный, часть параметров расширенного режима может быть автоматически изменена для обеспечения совместимости.&lt;br&gt;&lt;br&gt;Перейти в упрощенный режим?</source>
        <translation>When you switch to the light view, some settings of the full view may be changed to keep them compatible.&lt;br&gt;&lt;br&gt;Switch to the light view?</translation>
    </message>
</context>
<context>
    <name>orv_Socket</name>
    <message>
        <source>Тестовое подключение к серверу</source>
        <translation>Test connection to the server</translation>
    </message>
    <message>
        <source>Прошло времени:</source>
        <translation>Time elapsed:</translation>
    </message>
    <message>
        <source>%1 сек</source>
        <translation>%1 s</translation>
    </message>
</context>
</TS>
