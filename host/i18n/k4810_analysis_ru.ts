<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_2950</source>
        <translation>В</translation>
    </message>
    <message>
        <source>K4810_2951</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>K4810_2952</source>
        <translation>об/мин</translation>
    </message>
    <message>
        <source>K4810_2953</source>
        <translation>м</translation>
    </message>
    <message>
        <source>K4810_2954</source>
        <translation>Сводка по поездке</translation>
    </message>
    <message>
        <source>K4810_2955</source>
        <translation>Страниц: %1, с %2 по %3</translation>
    </message>
    <message>
        <source>K4810_2956</source>
        <translation>в точке %1, %2</translation>
    </message>
    <message>
        <source>K4810_2957</source>
        <translation>Пробег: %1 %2</translation>
    </message>
    <message>
        <source>K4810_2958</source>
        <translation>(по счетчику трекера)</translation>
    </message>
    <message>
        <source>K4810_2959</source>
        <translation>(между точками с достоверными координатами)</translation>
    </message>
    <message>
        <source>K4810_2960</source>
        <translation>В движении: %1</translation>
    </message>
    <message>
        <source>K4810_2961</source>
        <translation>На стоянке: %1</translation>
    </message>
    <message>
        <source>K4810_2962</source>
        <translation>Максимальная скорость: %1 %2</translation>
    </message>
    <message>
        <source>K4810_2963</source>
        <translation>Средняя скорость в движении: %1 %2</translation>
    </message>
    <message>
        <source>K4810_2964</source>
        <translation>Работа двигателя: %1</translation>
    </message>
    <message>
        <source>K4810_2965</source>
        <translation>Работа двигателя: не регистрировалась</translation>
    </message>
    <message>
        <source>K4810_2966</source>
        <translation>Стоянок продолжительностью от %1: %2</translation>
    </message>
    <message>
        <source>K4810_2967</source>
        <translation>%1. С %2 по %3 (%4)</translation>
    </message>
    <message>
        <source>K4810_2968</source>
        <translation>Уровень топлива: %1</translation>
    </message>
    <message>
        <source>K4810_2969</source>
        <translation>Топливо: уровень топлива не выбран или не записывался</translation>
    </message>
    <message>
        <source>K4810_2970</source>
        <translation>Уровень в начале: %1, в конце: %2</translation>
    </message>
    <message>
        <source>K4810_2971</source>
        <translation>Расход топлива: %1</translation>
    </message>
    <message>
        <source>K4810_2972</source>
        <translation>Заправок (рост уровня от %1): %2, залито %3</translation>
    </message>
    <message>
        <source>K4810_2973</source>
        <translation>%1. С %2 по %3: от %4 до %5 (+%6)</translation>
    </message>
    <message>
        <source>K4810_2974</source>
        <translation>Трек GPX (GPS Exchange Format)</translation>
    </message>
    <message>
        <source>K4810_2975</source>
        <translation>Трек с метками времени для Google Earth (KML)</translation>
    </message>
    <message>
        <source>K4810_2976</source>
        <translation>Нет значений для отображения: отметьте слева значения для графика.</translation>
    </message>
    <message>
        <source>K4810_2977</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>K4810_2978</source>
        <translation>Анализ телеметрии</translation>
    </message>
    <message>
        <source>K4810_2979</source>
        <translation>График</translation>
    </message>
    <message>
        <source>K4810_2980</source>
        <translation>Значения</translation>
    </message>
    <message>
        <source>K4810_2981</source>
        <translation>Весь интервал</translation>
    </message>
    <message>
        <source>K4810_2982</source>
        <translation>Открыть страницу</translation>
    </message>
    <message>
        <source>K4810_2983</source>
        <translation>Стоянки не менее, мин:</translation>
    </message>
    <message>
        <source>K4810_2984</source>
        <translation>Уровень топлива:</translation>
    </message>
    <message>
        <source>K4810_2985</source>
        <translation>Мин. заправка:</translation>
    </message>
    <message>
        <source>K4810_2986</source>
        <translation>Сохранить как текст…</translation>
    </message>
    <message>
        <source>K4810_2987</source>
        <translation>Не удалось сохранить сводку по поездке в %1: %2</translation>
    </message>
    <message>
        <source>K4810_2988</source>
        <translation>Байты записи</translation>
    </message>
    <message>
        <source>K4810_2989</source>
        <translation>Смещение</translation>
    </message>
    <message>
        <source>K4810_2990</source>
        <translation>Бит</translation>
    </message>
    <message>
        <source>K4810_2991</source>
        <translation>Поле</translation>
    </message>
    <message>
        <source>K4810_2992</source>
        <translation>Исходное значение</translation>
    </message>
    <message>
        <source>K4810_2993</source>
        <translation>%1 байт в том виде, в каком их передал трекер</translation>
    </message>
    <message>
        <source>K4810_2994</source>
        <translation>%1 байт, восстановленных по значениям текстового файла</translation>
    </message>
    <message>
        <source>K4810_2995</source>
        <translation>(обрезано: запись заканчивается внутри этого поля)</translation>
    </message>
    <message>
        <source>K4810_2996</source>
        <translation>(не относится ни к одному полю)</translation>
    </message>
    <message>
        <source>K4810_2997</source>
        <translation>Чтение страниц…</translation>
    </message>
    <message>
        <source>K4810_2998</source>
        <translation>Колесо: изменить масштаб. Перетаскивание: сдвиг по времени. Щелчок: открыть страницу в просмотре страниц. Клавиши: + и - масштаб, стрелки сдвиг, Home показывает все.</translation>
    </message>
    <message>
        <source>K4810_2999</source>
        <translation>Дважды щелкните стоянку или заправку, чтобы показать ее на графике</translation>
    </message>
</context>
</TS>
