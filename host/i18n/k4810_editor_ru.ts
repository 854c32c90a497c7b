<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_018</source>
        <translation>Файлы настроек (*.xml)</translation>
    </message>
    <message>
        <source>K4810_019</source>
        <translation>Сохранить настройки в файл</translation>
    </message>
    <message>
        <source>K4810_020</source>
        <translation>Запись настроек в трекер</translation>
    </message>
    <message>
        <source>K4810_021</source>
        <translation>Ожидание приёма первого блока трекером…</translation>
    </message>
    <message>
        <source>K4810_022</source>
        <translation>Прошло </translation>
    </message>
    <message>
        <source>K4810_023</source>
        <translation>   осталось </translation>
    </message>
    <message>
        <source>K4810_024</source>
        <translation>Настройки записаны</translation>
    </message>
    <message>
        <source>K4810_025</source>
        <translation>Все блоки настроек записаны в трекер. Применить новые настройки сейчас?</translation>
    </message>
    <message>
        <source>K4810_026</source>
        <translation>Сохранить в файл</translation>
    </message>
    <message>
        <source>K4810_027</source>
        <translation>Записать в трекер</translation>
    </message>
    <message>
        <source>K4810_028</source>
        <translation>Первая</translation>
    </message>
    <message>
        <source>K4810_029</source>
        <translation>Предыдущая</translation>
    </message>
    <message>
        <source>K4810_030</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>K4810_031</source>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>K4810_032</source>
        <translation>Последняя</translation>
    </message>
    <message>
        <source>K4810_035</source>
        <translation>Сохранить настройки всех страниц в файл настроек</translation>
    </message>
    <message>
        <source>K4810_036</source>
        <translation>Записать настройки всех страниц в подключённый трекер</translation>
    </message>
    <message>
        <source>K4810_037</source>
        <translation>Перейти на первую страницу</translation>
    </message>
    <message>
        <source>K4810_038</source>
        <translation>Перейти на предыдущую страницу</translation>
    </message>
    <message>
        <source>K4810_039</source>
        <translation>Выбрать страницу из списка всех страниц (также по правой кнопке мыши)</translation>
    </message>
    <message>
        <source>K4810_040</source>
        <translation>Перейти на следующую страницу</translation>
    </message>
    <message>
        <source>K4810_041</source>
        <translation>Перейти на последнюю страницу</translation>
    </message>
    <message>
        <source>K4810_042</source>
        <translation>Закрыть редактор настроек</translation>
    </message>
    <message>
        <source>K4810_043</source>
        <translation>Показать справку по текущей странице</translation>
    </message>
    <message>
        <source>K4810_049</source>
        <translation>Информация</translation>
    </message>
    <message>
        <source>K4810_050</source>
        <translation>Передача данных</translation>
    </message>
    <message>
        <source>K4810_150</source>
        <translation>Трек</translation>
    </message>
    <message>
        <source>K4810_190</source>
        <translation>Система</translation>
    </message>
    <message>
        <source>K4810_230</source>
        <translation>Шина CAN</translation>
    </message>
    <message>
        <source>K4810_270</source>
        <translation>Датчики температуры</translation>
    </message>
    <message>
        <source>K4810_290</source>
        <translation>Входы</translation>
    </message>
    <message>
        <source>K4810_340</source>
        <translation>Акселерометр</translation>
    </message>
    <message>
        <source>K4810_360</source>
        <translation>Выходы</translation>
    </message>
    <message>
        <source>K4810_420</source>
        <translation>Телефоны</translation>
    </message>
    <message>
        <source>K4810_819</source>
        <translation>RS-232/RS-485</translation>
    </message>
    <message>
        <source>K4810_994</source>
        <translation>Упрощённый режим</translation>
    </message>
    <message>
        <source>K4810_1242</source>
        <translation>Ключи Touch Memory</translation>
    </message>
    <message>
        <source>K4810_1333</source>
        <translation>Профили охраны</translation>
    </message>
    <message>
        <source>K4810_1427</source>
        <translation>Стиль вождения</translation>
    </message>
    <message>
        <source>K4810_1600</source>
        <translation>Настройки не записаны</translation>
    </message>
    <message>
        <source>K4810_1601</source>
        <translation>Не удалось записать настройки в %1. Проверьте, что папка существует и у вас есть право записи в неё.</translation>
    </message>
    <message>
        <source>K4810_1602</source>
        <translation>Не удалось подготовить настройки для трекера: временный файл настроек не удалось записать или прочитать. Ничего не отправлено.</translation>
    </message>
    <message>
        <source>K4810_1700</source>
        <translation>Файл настроек не открыт</translation>
    </message>
    <message>
        <source>K4810_1701</source>
        <translation>Не удалось прочитать файл настроек %1: %2
Показанные настройки остались без изменений.</translation>
    </message>
    <message>
        <source>K4810_3096</source>
        <translation>Нет ответа от трекера</translation>
    </message>
    <message>
        <source>K4810_1702</source>
        <translation>Значения, которые нельзя сохранить как есть</translation>
    </message>
    <message>
        <source>K4810_1703</source>
        <translation>Трекер хранит каждую настройку не длиннее 254 символов кириллической кодовой страницы (windows-1251). Эти значения из файла не помещаются и будут записаны с изменениями (символ, которого нет в кодовой странице, — как «?», слишком длинный текст — обрезанным):&lt;br&gt;%1&lt;br&gt;&lt;br&gt;Продолжить?</translation>
    </message>
    <message>
        <source>K4810_1704</source>
        <translation>длиннее 254 символов</translation>
    </message>
    <message>
        <source>K4810_1705</source>
        <translation>содержит символы вне windows-1251</translation>
    </message>
    <message>
        <source>K4810_1706</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>K4810_1707</source>
        <translation>Трекер отклонил блок настроек. Настройки не записаны; запишите их снова.</translation>
    </message>
    <message>
        <source>K4810_1708</source>
        <translation>Настройки этой страницы сохраняются в том виде, в каком они прочитаны из файла или трекера, и записываются обратно без изменений.</translation>
    </message>
    <message>
        <source>K4810_1709</source>
        <translation>Трекер не отвечал %1 с. Настройки не записаны; проверьте подключение и запишите их снова.</translation>
    </message>
    <message>
        <source>K4810_1710</source>
        <translation>Трекер был отключён во время записи настроек. Настройки не записаны.</translation>
    </message>
    <message>
        <source>K5127_001</source>
        <translation>Перейти</translation>
    </message>
    <message>
        <source>K5127_002</source>
        <translation>Остаться</translation>
    </message>
</context>
</TS>
