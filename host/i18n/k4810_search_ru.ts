<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_3000</source>
        <translation>Найти параметр: часть названия, ключа или значения</translation>
    </message>
    <message>
        <source>K4810_3001</source>
        <translation>Ищет параметры на всех страницах по названию, имени ключа или значению; выберите результат, чтобы открыть его страницу и поле</translation>
    </message>
    <message>
        <source>K4810_3002</source>
        <translation>Параметры не найдены</translation>
    </message>
    <message>
        <source>K4810_3003</source>
        <translation>Изменено: %1</translation>
    </message>
    <message>
        <source>K4810_3004</source>
        <translation>Показать параметры, отличающиеся от загруженных из файла или трекера, и вернуть их значения</translation>
    </message>
    <message>
        <source>K4810_3005</source>
        <translation>Сравнить с файлом…</translation>
    </message>
    <message>
        <source>K4810_3006</source>
        <translation>Показать различия между этими параметрами и другим файлом настроек</translation>
    </message>
    <message>
        <source>K4810_3007</source>
        <translation>Загруженное значение: %1</translation>
    </message>
    <message>
        <source>K4810_3008</source>
        <translation>Сбросить по умолчанию (%1)</translation>
    </message>
    <message>
        <source>K4810_3009</source>
        <translation>Вернуть загруженное значение (%1)</translation>
    </message>
    <message>
        <source>K4810_3010</source>
        <translation>Изменённые параметры</translation>
    </message>
    <message>
        <source>K4810_3011</source>
        <translation>Страница</translation>
    </message>
    <message>
        <source>K4810_3012</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>K4810_3013</source>
        <translation>Загружено</translation>
    </message>
    <message>
        <source>K4810_3014</source>
        <translation>Сейчас</translation>
    </message>
    <message>
        <source>K4810_3015</source>
        <translation>Вернуть выбранные</translation>
    </message>
    <message>
        <source>K4810_3016</source>
        <translation>Вернуть все</translation>
    </message>
    <message>
        <source>K4810_3017</source>
        <translation>Сброс</translation>
    </message>
    <message>
        <source>K4810_3018</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>K4810_3019</source>
        <translation>Вернуть выбранным параметрам значения, с которыми они были загружены</translation>
    </message>
    <message>
        <source>K4810_3020</source>
        <translation>Параметров, отличающихся от загруженных значений: %1. Дважды щёлкните строку, чтобы открыть параметр.</translation>
    </message>
    <message>
        <source>K4810_3021</source>
        <translation>Сбросить эту страницу по умолчанию</translation>
    </message>
    <message>
        <source>K4810_3022</source>
        <translation>Сбросить все страницы по умолчанию</translation>
    </message>
    <message>
        <source>K4810_3023</source>
        <translation>Сброс по умолчанию</translation>
    </message>
    <message>
        <source>K4810_3024</source>
        <translation>Установить всем параметрам страницы «%1» значения по умолчанию?</translation>
    </message>
    <message>
        <source>K4810_3025</source>
        <translation>Установить всем параметрам всех страниц значения по умолчанию?</translation>
    </message>
    <message>
        <source>K4810_3026</source>
        <translation>Раздел</translation>
    </message>
    <message>
        <source>K4810_3027</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <source>K4810_3028</source>
        <translation>В трекере</translation>
    </message>
    <message>
        <source>K4810_3029</source>
        <translation>Будет записано</translation>
    </message>
    <message>
        <source>K4810_3030</source>
        <translation>Записать</translation>
    </message>
    <message>
        <source>K4810_3031</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>K4810_3032</source>
        <translation>Записываемые параметры совпадают с последними прочитанными из трекера. Всё равно записать?</translation>
    </message>
    <message>
        <source>K4810_3033</source>
        <translation>Нет прочитанных настроек этого трекера для сравнения (сначала прочитайте настройки из трекера). Записать все параметры?</translation>
    </message>
    <message>
        <source>K4810_3034</source>
        <translation>Запись в трекер</translation>
    </message>
    <message>
        <source>K4810_3035</source>
        <translation>Изменится параметров в трекере: %1</translation>
    </message>
    <message>
        <source>K4810_3036</source>
        <translation>Сравнение с файлом настроек</translation>
    </message>
    <message>
        <source>K4810_3037</source>
        <translation>В редакторе</translation>
    </message>
    <message>
        <source>K4810_3038</source>
        <translation>Параметров, различающихся в редакторе и в %2: %1</translation>
    </message>
    <message>
        <source>K4810_3039</source>
        <translation>В редакторе и в %1 одинаковые параметры.</translation>
    </message>
    <message>
        <source>K4810_3040</source>
        <translation>Файл настроек для сравнения</translation>
    </message>
    <message>
        <source>K4810_3041</source>
        <translation>Несохранённые изменения</translation>
    </message>
    <message>
        <source>K4810_3042</source>
        <translation>Изменённые параметры (%1) не сохранены и не записаны в трекер. Сохранить их в файл?</translation>
    </message>
    <message>
        <source>K4810_3043</source>
        <translation>Сохранить…</translation>
    </message>
    <message>
        <source>K4810_3044</source>
        <translation>Не сохранять</translation>
    </message>
    <message>
        <source>K4810_3045</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>K4810_3046</source>
        <translation>Сбросить</translation>
    </message>
    <message>
        <source>K4810_3047</source>
        <translation>Не удаётся прочитать файл %1:
%2</translation>
    </message>
    <message>
        <source>K4810_3048</source>
        <translation>Сбросить параметры этой страницы или всех страниц по умолчанию</translation>
    </message>
</context>
</TS>
