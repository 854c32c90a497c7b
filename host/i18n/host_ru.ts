<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>EventNames</name>
    <message>
        <source>Periodic record</source>
        <translation>Периодическая запись</translation>
    </message>
    <message>
        <source>Tracker switched on</source>
        <translation>Включение трекера</translation>
    </message>
    <message>
        <source>Request from host</source>
        <translation>Запрос от программы</translation>
    </message>
    <message>
        <source>Ignition on</source>
        <translation>Зажигание включено</translation>
    </message>
    <message>
        <source>Ignition off</source>
        <translation>Зажигание выключено</translation>
    </message>
    <message>
        <source>Input 1 changed</source>
        <translation>Изменение входа 1</translation>
    </message>
    <message>
        <source>Input 2 changed</source>
        <translation>Изменение входа 2</translation>
    </message>
    <message>
        <source>Input 3 changed</source>
        <translation>Изменение входа 3</translation>
    </message>
    <message>
        <source>Analog input out of range</source>
        <translation>Аналоговый вход вне диапазона</translation>
    </message>
    <message>
        <source>Main power lost</source>
        <translation>Пропало основное питание</translation>
    </message>
    <message>
        <source>Main power restored</source>
        <translation>Основное питание восстановлено</translation>
    </message>
    <message>
        <source>Backup battery low</source>
        <translation>Разряд резервного аккумулятора</translation>
    </message>
    <message>
        <source>Guard mode on</source>
        <translation>Охрана включена</translation>
    </message>
    <message>
        <source>Guard mode off</source>
        <translation>Охрана выключена</translation>
    </message>
    <message>
        <source>Alarm</source>
        <translation>Тревога</translation>
    </message>
    <message>
        <source>Panic button</source>
        <translation>Тревожная кнопка</translation>
    </message>
    <message>
        <source>Output 1 switched</source>
        <translation>Переключение выхода 1</translation>
    </message>
    <message>
        <source>Output 2 switched</source>
        <translation>Переключение выхода 2</translation>
    </message>
    <message>
        <source>Course changed</source>
        <translation>Изменение курса</translation>
    </message>
    <message>
        <source>Distance travelled</source>
        <translation>Пройдено расстояние</translation>
    </message>
    <message>
        <source>Speed limit exceeded</source>
        <translation>Превышение скорости</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановка</translation>
    </message>
    <message>
        <source>Movement started</source>
        <translation>Начало движения</translation>
    </message>
    <message>
        <source>Navigation fix lost</source>
        <translation>Потеря навигации</translation>
    </message>
    <message>
        <source>Navigation fix found</source>
        <translation>Навигация определена</translation>
    </message>
    <message>
        <source>GSM registration lost</source>
        <translation>Потеря регистрации в сети GSM</translation>
    </message>
    <message>
        <source>Touch-memory key applied</source>
        <translation>Приложен ключ Touch Memory</translation>
    </message>
    <message>
        <source>Temperature out of range</source>
        <translation>Температура вне диапазона</translation>
    </message>
    <message>
        <source>Fuel level changed</source>
        <translation>Изменение уровня топлива</translation>
    </message>
    <message>
        <source>Shock detected</source>
        <translation>Удар</translation>
    </message>
    <message>
        <source>Tilt detected</source>
        <translation>Наклон</translation>
    </message>
    <message>
        <source>Settings changed</source>
        <translation>Изменение настроек</translation>
    </message>
    <message>
        <source>Event %1</source>
        <translation>Событие %1</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Help – %1</source>
        <translation>Справка – %1</translation>
    </message>
    <message>
        <source>No help page at %1</source>
        <translation>Нет страницы справки %1</translation>
    </message>
</context>
<context>
    <name>HostMainWindow</name>
    <message>
        <source>K-4810 host</source>
        <translation>Программа К-4810</translation>
    </message>
    <message>
        <source>Plug-in</source>
        <translation>Модуль</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>Display name:</source>
        <translation>Название:</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Файл:</translation>
    </message>
    <message>
        <source>Working folder:</source>
        <translation>Рабочая папка:</translation>
    </message>
    <message>
        <source>Help pages:</source>
        <translation>Страницы справки:</translation>
    </message>
    <message>
        <source>Simulated tracker</source>
        <translation>Имитатор трекера</translation>
    </message>
    <message>
        <source>State:</source>
        <translation>Состояние:</translation>
    </message>
    <message>
        <source>Tracker:</source>
        <translation>Трекер:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Прошивка:</translation>
    </message>
    <message>
        <source>Capabilities:</source>
        <translation>Возможности:</translation>
    </message>
    <message>
        <source>Answers:</source>
        <translation>Ответы:</translation>
    </message>
    <message>
        <source>Automatic telemetry:</source>
        <translation>Автоматическая телеметрия:</translation>
    </message>
    <message>
        <source>Open a window of the plug-in</source>
        <translation>Открыть окно модуля</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Файл</translation>
    </message>
    <message>
        <source>&amp;Windows</source>
        <translation>&amp;Окна</translation>
    </message>
    <message>
        <source>&amp;Tracker</source>
        <translation>&amp;Трекер</translation>
    </message>
    <message>
        <source>Answer &amp;mode</source>
        <translation>&amp;Режим ответов</translation>
    </message>
    <message>
        <source>Answer &amp;delay</source>
        <translation>&amp;Задержка ответов</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Параметры</translation>
    </message>
    <message>
        <source>&amp;Automatic telemetry mode</source>
        <translation>Режим &amp;автоматической телеметрии</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Вид</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Сообщения</translation>
    </message>
    <message>
        <source>Filter: number, name or text in the parameters</source>
        <translation>Фильтр: номер, имя или текст в параметрах</translation>
    </message>
    <message>
        <source>Follow</source>
        <translation>Следить</translation>
    </message>
    <message>
        <source>&amp;Read settings from tracker</source>
        <translation>&amp;Прочитать настройки из трекера</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration into a file and open it in the settings editor (2023, full form)</source>
        <translation>Прочитать конфигурацию трекера в файл и открыть её в редакторе настроек (2023, полная форма)</translation>
    </message>
    <message>
        <source>Ctrl+R</source>
        <translation>Ctrl+R</translation>
    </message>
    <message>
        <source>Read settings from tracker into the &amp;light form</source>
        <translation>Прочитать настройки из трекера в &amp;упрощённую форму</translation>
    </message>
    <message>
        <source>Read the tracker&apos;s configuration into a file and open it in the settings editor&apos;s light form (2023)</source>
        <translation>Прочитать конфигурацию трекера в файл и открыть её в упрощённой форме редактора настроек (2023)</translation>
    </message>
    <message>
        <source>Open &amp;settings file…</source>
        <translation>Открыть файл &amp;настроек…</translation>
    </message>
    <message>
        <source>Open a settings file in the settings editor (2023, full form)</source>
        <translation>Открыть файл настроек в редакторе настроек (2023, полная форма)</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Open settings file in the &amp;light form…</source>
        <translation>Открыть файл настроек в &amp;упрощённой форме…</translation>
    </message>
    <message>
        <source>Open a settings file in the settings editor&apos;s light form (2023)</source>
        <translation>Открыть файл настроек в упрощённой форме редактора настроек (2023)</translation>
    </message>
    <message>
        <source>Open &amp;telemetry file…</source>
        <translation>Открыть файл &amp;телеметрии…</translation>
    </message>
    <message>
        <source>Show a saved telemetry file page by page (2038)</source>
        <translation>Показать сохранённый файл телеметрии по страницам (2038)</translation>
    </message>
    <message>
        <source>Open telemetry file as a t&amp;able…</source>
        <translation>Открыть файл телеметрии &amp;таблицей…</translation>
    </message>
    <message>
        <source>Show a saved telemetry file as a table (2038)</source>
        <translation>Показать сохранённый файл телеметрии таблицей (2038)</translation>
    </message>
    <message>
        <source>Open fuel &amp;calibration file…</source>
        <translation>Открыть файл &amp;тарировки топлива…</translation>
    </message>
    <message>
        <source>Show a fuel-sensor calibration file (2067)</source>
        <translation>Показать файл тарировки датчиков уровня топлива (2067)</translation>
    </message>
    <message>
        <source>Save message &amp;log as…</source>
        <translation>Сохранить &amp;журнал сообщений как…</translation>
    </message>
    <message>
        <source>Save the messages listed in the message log to a text file</source>
        <translation>Сохранить сообщения журнала в текстовый файл</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Выход</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>&amp;Settings editor</source>
        <translation>&amp;Редактор настроек</translation>
    </message>
    <message>
        <source>Open the settings editor with all its pages (2022)</source>
        <translation>Открыть редактор настроек со всеми страницами (2022)</translation>
    </message>
    <message>
        <source>Ctrl+E</source>
        <translation>Ctrl+E</translation>
    </message>
    <message>
        <source>Settings editor, &amp;light form</source>
        <translation>Редактор настроек, &amp;упрощённая форма</translation>
    </message>
    <message>
        <source>Open the one-screen light form of the settings editor (2022)</source>
        <translation>Открыть упрощённую форму редактора настроек на одном экране (2022)</translation>
    </message>
    <message>
        <source>&amp;Telemetry window</source>
        <translation>Окно &amp;телеметрии</translation>
    </message>
    <message>
        <source>Open the telemetry window with the last settings file used (2019)</source>
        <translation>Открыть окно телеметрии с последним использованным файлом настроек (2019)</translation>
    </message>
    <message>
        <source>Ctrl+T</source>
        <translation>Ctrl+T</translation>
    </message>
    <message>
        <source>Telemetry window &amp;for a settings file…</source>
        <translation>Окно телеметрии &amp;для файла настроек…</translation>
    </message>
    <message>
        <source>Choose the settings file whose names the telemetry window shows (2019)</source>
        <translation>Выбрать файл настроек, названия из которого показывает окно телеметрии (2019)</translation>
    </message>
    <message>
        <source>Telemetry window &amp;without settings file</source>
        <translation>Окно телеметрии &amp;без файла настроек</translation>
    </message>
    <message>
        <source>Open the telemetry window with its default names (2019)</source>
        <translation>Открыть окно телеметрии с названиями по умолчанию (2019)</translation>
    </message>
    <message>
        <source>Log viewer, &amp;page form</source>
        <translation>Просмотр журнала, по &amp;страницам</translation>
    </message>
    <message>
        <source>Open the telemetry log viewer that shows one page at a time (2030)</source>
        <translation>Открыть просмотр журнала телеметрии по одной странице (2030)</translation>
    </message>
    <message>
        <source>Log viewer, t&amp;able form</source>
        <translation>Просмотр журнала, &amp;таблицей</translation>
    </message>
    <message>
        <source>Open the telemetry log viewer that shows all pages in a table (2037)</source>
        <translation>Открыть просмотр журнала телеметрии со всеми страницами в таблице (2037)</translation>
    </message>
    <message>
        <source>&amp;Attach tracker</source>
        <translation>&amp;Подключить трекер</translation>
    </message>
    <message>
        <source>Connect the simulated tracker (2110, 2107, 2039)</source>
        <translation>Подключить имитатор трекера (2110, 2107, 2039)</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>&amp;Detach tracker</source>
        <translation>&amp;Отключить трекер</translation>
    </message>
    <message>
        <source>Disconnect the simulated tracker (2040)</source>
        <translation>Отключить имитатор трекера (2040)</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>&amp;Asynchronous (through the event loop)</source>
        <translation>&amp;Асинхронно (через цикл событий)</translation>
    </message>
    <message>
        <source>Answers reach the plug-in after its request has returned, like a real link</source>
        <translation>Ответы приходят в модуль после возврата из запроса, как по настоящему каналу связи</translation>
    </message>
    <message>
        <source>&amp;Inside send</source>
        <translation>&amp;Внутри отправки</translation>
    </message>
    <message>
        <source>Answers reach the plug-in before its request returns</source>
        <translation>Ответы приходят в модуль до возврата из запроса</translation>
    </message>
    <message>
        <source>&amp;None</source>
        <translation>&amp;Нет</translation>
    </message>
    <message>
        <source>&amp;200 ms</source>
        <translation>&amp;200 мс</translation>
    </message>
    <message>
        <source>&amp;1 s</source>
        <translation>&amp;1 с</translation>
    </message>
    <message>
        <source>Tracker &amp;properties…</source>
        <translation>&amp;Свойства трекера…</translation>
    </message>
    <message>
        <source>Model, identification, firmware and capabilities the simulated tracker reports</source>
        <translation>Модель, идентификатор, прошивка и возможности, которые сообщает имитатор трекера</translation>
    </message>
    <message>
        <source>Local &amp;monitoring server…</source>
        <translation>Локальный &amp;сервер мониторинга…</translation>
    </message>
    <message>
        <source>Run a monitoring server on 127.0.0.1 for the plug-in&apos;s server connection test; its connections show in the message log</source>
        <translation>Запустить сервер мониторинга на 127.0.0.1 для проверки подключения к серверу; его соединения видны в журнале сообщений</translation>
    </message>
    <message>
        <source>Attach at &amp;start</source>
        <translation>Подключать при &amp;запуске</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>&amp;Выключен</translation>
    </message>
    <message>
        <source>&amp;1 – read the key after the first page</source>
        <translation>&amp;1 – читать ключ после первой страницы</translation>
    </message>
    <message>
        <source>&amp;2 – poll the current page automatically</source>
        <translation>&amp;2 – опрашивать текущую страницу автоматически</translation>
    </message>
    <message>
        <source>&amp;3 – as 1: read the key after the first page</source>
        <translation>&amp;3 – как 1: читать ключ после первой страницы</translation>
    </message>
    <message>
        <source>&amp;Help pages folder…</source>
        <translation>Папка страниц &amp;справки…</translation>
    </message>
    <message>
        <source>Choose the folder that holds Localization/Help/…</source>
        <translation>Выбрать папку, в которой лежит Localization/Help/…</translation>
    </message>
    <message>
        <source>Help pages in the &amp;working directory</source>
        <translation>Страницы справки в &amp;рабочей папке</translation>
    </message>
    <message>
        <source>Show &amp;working folder</source>
        <translation>Показать &amp;рабочую папку</translation>
    </message>
    <message>
        <source>Open the folder with the data and settings folders handed to the plug-in</source>
        <translation>Открыть папку с папками данных и настроек, переданными модулю</translation>
    </message>
    <message>
        <source>&amp;Clear message log</source>
        <translation>&amp;Очистить журнал сообщений</translation>
    </message>
    <message>
        <source>Ctrl+L</source>
        <translation>Ctrl+L</translation>
    </message>
    <message>
        <source>Plug-in &amp;help</source>
        <translation>&amp;Справка модуля</translation>
    </message>
    <message>
        <source>Show the settings editor&apos;s general help page</source>
        <translation>Показать общую страницу справки редактора настроек</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>&amp;About the plug-in</source>
        <translation>&amp;О модуле</translation>
    </message>
    <message>
        <source>About &amp;Qt</source>
        <translation>О &amp;Qt</translation>
    </message>
    <message>
        <source>Settings files (*.xml);;All files (*)</source>
        <translation>Файлы настроек (*.xml);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Telemetry files (*.xml);;All files (*)</source>
        <translation>Файлы телеметрии (*.xml);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Calibration files (*.xml);;All files (*)</source>
        <translation>Файлы тарировки (*.xml);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Both directions</source>
        <translation>Оба направления</translation>
    </message>
    <message>
        <source>To the plug-in</source>
        <translation>В модуль</translation>
    </message>
    <message>
        <source>To the host</source>
        <translation>В программу</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>K-4810 host – %1 (%2) %3, interface level %4</source>
        <translation>Программа К-4810 – %1 (%2) %3, уровень интерфейса %4</translation>
    </message>
    <message>
        <source>%1, interface level %2</source>
        <translation>%1, уровень интерфейса %2</translation>
    </message>
    <message>
        <source> (working directory)</source>
        <translation> (рабочая папка)</translation>
    </message>
    <message>
        <source>&lt;b&gt;attached&lt;/b&gt;</source>
        <translation>&lt;b&gt;подключён&lt;/b&gt;</translation>
    </message>
    <message>
        <source>detached</source>
        <translation>отключён</translation>
    </message>
    <message>
        <source>inside the plug-in&apos;s send</source>
        <translation>внутри отправки модуля</translation>
    </message>
    <message>
        <source>asynchronous</source>
        <translation>асинхронно</translation>
    </message>
    <message>
        <source>, %1 ms delay</source>
        <translation>, задержка %1 мс</translation>
    </message>
    <message>
        <source>off</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>mode %1</source>
        <translation>режим %1</translation>
    </message>
    <message>
        <source>Tracker %1 attached</source>
        <translation>Трекер %1 подключён</translation>
    </message>
    <message>
        <source>No tracker attached</source>
        <translation>Трекер не подключён</translation>
    </message>
    <message>
        <source>&amp;Telemetry window (%1)</source>
        <translation>Окно &amp;телеметрии (%1)</translation>
    </message>
    <message>
        <source>Open settings file</source>
        <translation>Открыть файл настроек</translation>
    </message>
    <message>
        <source>Read settings from tracker</source>
        <translation>Чтение настроек из трекера</translation>
    </message>
    <message>
        <source>The tracker&apos;s settings could not be written to %1:
%2</source>
        <translation>Не удалось записать настройки трекера в %1:
%2</translation>
    </message>
    <message>
        <source>Settings file for the telemetry window</source>
        <translation>Файл настроек для окна телеметрии</translation>
    </message>
    <message>
        <source>Open telemetry file</source>
        <translation>Открыть файл телеметрии</translation>
    </message>
    <message>
        <source>Open fuel calibration file</source>
        <translation>Открыть файл тарировки топлива</translation>
    </message>
    <message>
        <source>Save message log</source>
        <translation>Сохранить журнал сообщений</translation>
    </message>
    <message>
        <source>Text files (*.txt);;All files (*)</source>
        <translation>Текстовые файлы (*.txt);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Не удалось записать %1: %2</translation>
    </message>
    <message>
        <source>Folder of the help pages</source>
        <translation>Папка страниц справки</translation>
    </message>
    <message>
        <source>&lt;h3&gt;%1&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Model:&lt;/td&gt;&lt;td&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Display name:&lt;/td&gt;&lt;td&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Version:&lt;/td&gt;&lt;td&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Interface level:&lt;/td&gt;&lt;td&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Info words:&lt;/td&gt;&lt;td&gt;%5, %6, %7&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Device handle:&lt;/td&gt;&lt;td&gt;0x%8&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;File:&lt;/td&gt;&lt;td&gt;%9&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Stand-in host %10 with a simulated tracker, built with Qt %11.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;%1&lt;/h3&gt;&lt;table&gt;&lt;tr&gt;&lt;td&gt;Модель:&lt;/td&gt;&lt;td&gt;%2&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Название:&lt;/td&gt;&lt;td&gt;%1&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Версия:&lt;/td&gt;&lt;td&gt;%3&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Уровень интерфейса:&lt;/td&gt;&lt;td&gt;%4&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Информационные слова:&lt;/td&gt;&lt;td&gt;%5, %6, %7&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Дескриптор устройства:&lt;/td&gt;&lt;td&gt;0x%8&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;Файл:&lt;/td&gt;&lt;td&gt;%9&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;p&gt;Программа-заменитель %10 с имитатором трекера, собрана с Qt %11.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>About the plug-in</source>
        <translation>О модуле</translation>
    </message>
    <message>
        <source>The plug-in&apos;s windows are in this language.</source>
        <translation>Окна модуля на этом языке.</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>The host&apos;s window is now in English. The plug-in&apos;s windows, including those not opened yet, stay in the language the host started in until the host is started again, so that no window mixes two languages.</source>
        <translation>Окно программы теперь на русском языке. Окна модуля, в том числе ещё не открытые, остаются на языке, с которым программа была запущена, до её следующего запуска, чтобы ни в одном окне не смешивались два языка.</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Язык</translation>
    </message>
    <message>
        <source>Local monitoring server</source>
        <translation>Локальный сервер мониторинга</translation>
    </message>
    <message>
        <source>Port on 127.0.0.1 (the plug-in&apos;s connection test reaches it as server 127.0.0.1 or localhost):</source>
        <translation>Порт на 127.0.0.1 (проверка подключения модуля находит его как сервер 127.0.0.1 или localhost):</translation>
    </message>
    <message>
        <source>The monitoring server cannot listen on port %1: %2</source>
        <translation>Сервер мониторинга не может слушать порт %1: %2</translation>
    </message>
    <message>
        <source>Monitoring server 127.0.0.1:%1</source>
        <translation>Сервер мониторинга 127.0.0.1:%1</translation>
    </message>
</context>
<context>
    <name>MessageLogModel</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Номер</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Parameters</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
</context>
<context>
    <name>TrackerDialog</name>
    <message>
        <source>Second-generation (Vela2) records</source>
        <translation>Записи второго поколения (Vela2)</translation>
    </message>
    <message>
        <source>Fuel is poured in while the fuel sensors are read (calibration)</source>
        <translation>Во время чтения датчиков топлива заливается топливо (тарировка)</translation>
    </message>
    <message>
        <source>Malformed fuel-sensor answers</source>
        <translation>Искажённые ответы датчиков топлива</translation>
    </message>
    <message>
        <source>Every field of the second generation (all-fields mask)</source>
        <translation>Все поля второго поколения (маска всех полей)</translation>
    </message>
    <message>
        <source>Simulated tracker</source>
        <translation>Имитатор трекера</translation>
    </message>
    <message>
        <source>64-bit capability word in hexadecimal; 810 sets the bits 0x10 and 0x800</source>
        <translation>64-битное слово возможностей в шестнадцатеричном виде; 810 задаёт биты 0x10 и 0x800</translation>
    </message>
    <message>
        <source>A model other than K-4810 makes the plug-in go offline</source>
        <translation>С моделью, отличной от K-4810, модуль переходит в автономный режим</translation>
    </message>
    <message>
        <source>Model:</source>
        <translation>Модель:</translation>
    </message>
    <message>
        <source>Identification:</source>
        <translation>Идентификатор:</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Прошивка:</translation>
    </message>
    <message>
        <source>Capabilities (hex):</source>
        <translation>Возможности (hex):</translation>
    </message>
    <message>
        <source>Pages of telemetry the tracker holds, 30 seconds apart, the last one about now</source>
        <translation>Страницы телеметрии в трекере, через 30 секунд, последняя — примерно сейчас</translation>
    </message>
    <message>
        <source>never</source>
        <translation>никогда</translation>
    </message>
    <message>
        <source>The tracker asks for every n-th settings block a second time</source>
        <translation>Трекер запрашивает каждый n-й блок настроек повторно</translation>
    </message>
    <message>
        <source>Second-generation pages carry every field, so that every group of the Vela2 display has values</source>
        <translation>Страницы второго поколения содержат все поля, чтобы в каждой группе отображения Vela2 были значения</translation>
    </message>
    <message>
        <source>Stored pages:</source>
        <translation>Хранимых страниц:</translation>
    </message>
    <message>
        <source>Ask again for every n-th settings block:</source>
        <translation>Повторно запрашивать каждый n-й блок настроек:</translation>
    </message>
    <message>
        <source>From a drained tank, 20 l of 400 every 30 seconds: poured in 10 seconds, then the level settles</source>
        <translation>Из пустого бака, по 20 л из 400 каждые 30 секунд: заливка за 10 секунд, затем уровень успокаивается</translation>
    </message>
    <message>
        <source>The fuel-sensor answer is one byte short; the plug-in drops it and stops polling</source>
        <translation>Ответ датчика топлива на байт короче; модуль отбрасывает его и прекращает опрос</translation>
    </message>
    <message>
        <source>The touch-memory key</source>
        <translation>Ключ Touch Memory</translation>
    </message>
    <message>
        <source>Temperature sensors, one after the other</source>
        <translation>Датчики температуры, один за другим</translation>
    </message>
    <message>
        <source>The key and the sensors in turn</source>
        <translation>Ключ и датчики по очереди</translation>
    </message>
    <message>
        <source>What a read of the one-wire reader returns: the touch-memory key, or the codes of four temperature sensors (family 28)</source>
        <translation>Что возвращает чтение считывателя 1-Wire: ключ Touch Memory или коды четырёх датчиков температуры (семейство 28)</translation>
    </message>
    <message>
        <source>One-wire reader:</source>
        <translation>Считыватель 1-Wire:</translation>
    </message>
    <message>
        <source>finds the devices in range</source>
        <translation>находит устройства поблизости</translation>
    </message>
    <message>
        <source>finds nothing</source>
        <translation>ничего не находит</translation>
    </message>
    <message>
        <source>fails after the first device</source>
        <translation>сбоит после первого устройства</translation>
    </message>
    <message>
        <source>never reports its end</source>
        <translation>никогда не сообщает об окончании</translation>
    </message>
    <message>
        <source>Bluetooth search:</source>
        <translation>Поиск Bluetooth:</translation>
    </message>
    <message>
        <source>An attached tracker is attached again so that the plug-in sees the new values.</source>
        <translation>Подключённый трекер подключается заново, чтобы модуль увидел новые значения.</translation>
    </message>
</context>
</TS>
