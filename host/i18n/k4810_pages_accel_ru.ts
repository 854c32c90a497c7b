<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_2900</source>
        <translation>Виртуальные датчики</translation>
    </message>
    <message>
        <source>K4810_2901</source>
        <translation>Запись ДТП</translation>
    </message>
    <message>
        <source>K4810_2902</source>
        <translation>Калибровка осей</translation>
    </message>
    <message>
        <source>K4810_2903</source>
        <translation>Пороги виртуальных датчиков</translation>
    </message>
    <message>
        <source>K4810_2904</source>
        <translation>Лёгкий удар, %:</translation>
    </message>
    <message>
        <source>K4810_2905</source>
        <translation>Сильный удар, %:</translation>
    </message>
    <message>
        <source>K4810_2906</source>
        <translation>Перемещение, %:</translation>
    </message>
    <message>
        <source>K4810_2907</source>
        <translation>Наклон, градусы:</translation>
    </message>
    <message>
        <source>K4810_2908</source>
        <translation>Пробуждение по движению</translation>
    </message>
    <message>
        <source>K4810_2909</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>K4810_2910</source>
        <translation>Включено, чувствительность:</translation>
    </message>
    <message>
        <source>K4810_2911</source>
        <translation>Записывать ДТП</translation>
    </message>
    <message>
        <source>K4810_2912</source>
        <translation>Один порог</translation>
    </message>
    <message>
        <source>K4810_2913</source>
        <translation>Две ступени</translation>
    </message>
    <message>
        <source>K4810_2914</source>
        <translation>Ожидание после включения зажигания, с:</translation>
    </message>
    <message>
        <source>K4810_2915</source>
        <translation>Пороги первой ступени (X, Y, Z), g:</translation>
    </message>
    <message>
        <source>K4810_2916</source>
        <translation>Пороги второй ступени (X, Y, Z), g:</translation>
    </message>
    <message>
        <source>K4810_2917</source>
        <translation>Время записи, с:</translation>
    </message>
    <message>
        <source>K4810_2918</source>
        <translation>Порог индекса тяжести ускорения (ASI):</translation>
    </message>
    <message>
        <source>K4810_2919</source>
        <translation>Что акселерометр измеряет сейчас</translation>
    </message>
    <message>
        <source>K4810_2920</source>
        <translation>Оси X, Y, Z, g:</translation>
    </message>
    <message>
        <source>K4810_2921</source>
        <translation>Уровень удара сейчас, %:</translation>
    </message>
    <message>
        <source>K4810_2922</source>
        <translation>Наклон сейчас, градусы:</translation>
    </message>
    <message>
        <source>K4810_2923</source>
        <translation>Калибровка осей:</translation>
    </message>
    <message>
        <source>K4810_2924</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>K4810_2925</source>
        <translation>Читать автоматически каждые</translation>
    </message>
    <message>
        <source>K4810_2926</source>
        <translation>не откалиброван</translation>
    </message>
    <message>
        <source>K4810_2927</source>
        <translation>откалиброван (автономная калибровка)</translation>
    </message>
    <message>
        <source>K4810_2928</source>
        <translation>откалиброван по данным ГНСС</translation>
    </message>
    <message>
        <source>K4810_2929</source>
        <translation>идёт калибровка по ГНСС</translation>
    </message>
    <message>
        <source>K4810_2930</source>
        <translation>Короткий список в настройках (до 16 ключей)</translation>
    </message>
    <message>
        <source>K4810_2931</source>
        <translation>Файл ключей, записанный в трекер (до 510 ключей)</translation>
    </message>
    <message>
        <source>K4810_2932</source>
        <translation>Трекер принимает ключи:</translation>
    </message>
    <message>
        <source>K4810_2933</source>
        <translation>Трекер принимает либо короткий список до 16 ключей, хранящийся в этих настройках, либо файл ключей до 510 ключей. Файл ключей хранится на компьютере в файлах .tmk и записывается в трекер кнопкой «Записать в трекер»; в файл настроек он не входит.</translation>
    </message>
    <message>
        <source>K4810_2934</source>
        <translation>Ключ в записях:</translation>
    </message>
    <message>
        <source>K4810_2935</source>
        <translation>полный код ключа</translation>
    </message>
    <message>
        <source>K4810_2936</source>
        <translation>номер в списке ключей</translation>
    </message>
    <message>
        <source>K4810_2937</source>
        <translation>Записывать событие при снятии ключа</translation>
    </message>
    <message>
        <source>K4810_2938</source>
        <translation>Ключ %1: приложите ключ к считывателю трекера...</translation>
    </message>
    <message>
        <source>K4810_2939</source>
        <translation>Ключ %1: код прочитан.</translation>
    </message>
    <message>
        <source>K4810_2940</source>
        <translation>Ключ не был приложен к считывателю.</translation>
    </message>
    <message>
        <source>K4810_2941</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>K4810_2942</source>
        <translation>Мастер калибровки...</translation>
    </message>
    <message>
        <source>K4810_2943</source>
        <translation>Сбросить калибровку</translation>
    </message>
    <message>
        <source>K4810_2944</source>
        <translation>Трекер определяет направления движения машины (разгон, торможение, повороты), только когда оси акселерометра совмещены с осями машины. Запустите мастер калибровки после установки трекера, а его проверку — после каждой калибровки и всякий раз, когда трекер снимали и устанавливали снова.</translation>
    </message>
    <message>
        <source>K4810_2945</source>
        <translation>с</translation>
    </message>
    <message>
        <source>K4810_2946</source>
        <translation>Трекер забудет калибровку своих осей и не будет определять направления, пока его не откалибруют снова. Сбросить калибровку?</translation>
    </message>
    <message>
        <source>K4810_2947</source>
        <translation>Трекер сбросил калибровку своих осей.</translation>
    </message>
    <message>
        <source>K4810_2948</source>
        <translation>Прошивка трекера не умеет сбрасывать калибровку.</translation>
    </message>
    <message>
        <source>K4810_2949</source>
        <translation>Трекер не смог сбросить калибровку (ответ %1).</translation>
    </message>
</context>
</TS>
