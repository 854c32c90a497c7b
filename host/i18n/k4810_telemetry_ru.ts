<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_017</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>K4810_337</source>
        <translation>Сеть GSM (2G)</translation>
    </message>
    <message>
        <source>K4810_338</source>
        <translation>Сеть 3G</translation>
    </message>
    <message>
        <source>K4810_339</source>
        <translation>Сеть 4G (LTE)</translation>
    </message>
    <message>
        <source>K4810_784</source>
        <translation>GSM-модуль выключен</translation>
    </message>
    <message>
        <source>K4810_785</source>
        <translation>Нет регистрации в сети</translation>
    </message>
    <message>
        <source>K4810_786</source>
        <translation>Зарегистрирован в домашней сети</translation>
    </message>
    <message>
        <source>K4810_787</source>
        <translation>Роуминг</translation>
    </message>
    <message>
        <source>K4810_788</source>
        <translation>Часы не синхронизированы</translation>
    </message>
    <message>
        <source>K4810_789</source>
        <translation>Часы синхронизированы</translation>
    </message>
    <message>
        <source>K4810_790</source>
        <translation>USB не подключён</translation>
    </message>
    <message>
        <source>K4810_791</source>
        <translation>USB подключён</translation>
    </message>
    <message>
        <source>K4810_792</source>
        <translation>Не зарегистрирован</translation>
    </message>
    <message>
        <source>K4810_793</source>
        <translation>Зарегистрирован</translation>
    </message>
    <message>
        <source>K4810_794</source>
        <translation>Домашняя сеть</translation>
    </message>
    <message>
        <source>K4810_795</source>
        <translation>Двигатель выключен</translation>
    </message>
    <message>
        <source>K4810_796</source>
        <translation>Двигатель работает</translation>
    </message>
    <message>
        <source>K4810_797</source>
        <translation>Нет сигнала</translation>
    </message>
    <message>
        <source>K4810_798</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>K4810_799</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>K4810_800</source>
        <translation>Выкл.</translation>
    </message>
    <message>
        <source>K4810_801</source>
        <translation>Вкл.</translation>
    </message>
    <message>
        <source>K4810_802</source>
        <translation>Нет достоверных координат</translation>
    </message>
    <message>
        <source>K4810_803</source>
        <translation>Координаты достоверны</translation>
    </message>
    <message>
        <source>K4810_852</source>
        <translation>л</translation>
    </message>
    <message>
        <source>K4810_853</source>
        <translation>км/ч</translation>
    </message>
    <message>
        <source>K4810_1071</source>
        <translation>Нет карты водителя</translation>
    </message>
    <message>
        <source>K4810_1072</source>
        <translation>Вставлена карта водителя 1</translation>
    </message>
    <message>
        <source>K4810_1073</source>
        <translation>Вставлена карта водителя 2</translation>
    </message>
    <message>
        <source>K4810_1074</source>
        <translation>Вставлены карты обоих водителей</translation>
    </message>
    <message>
        <source>K4810_1075</source>
        <translation>Тахограф не подключён</translation>
    </message>
    <message>
        <source>K4810_1076</source>
        <translation>Тахограф подключён</translation>
    </message>
    <message>
        <source>K4810_1077</source>
        <translation>Тахограф не отвечает</translation>
    </message>
    <message>
        <source>K4810_1078</source>
        <translation>Ошибка тахографа</translation>
    </message>
    <message>
        <source>K4810_1079</source>
        <translation>Отдых</translation>
    </message>
    <message>
        <source>K4810_1080</source>
        <translation>Готовность</translation>
    </message>
    <message>
        <source>K4810_1081</source>
        <translation>Работа</translation>
    </message>
    <message>
        <source>K4810_1082</source>
        <translation>Вождение</translation>
    </message>
    <message>
        <source>K4810_1083</source>
        <translation>Ошибка режима труда</translation>
    </message>
    <message>
        <source>K4810_1089</source>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>K4810_1090</source>
        <translation>Режим труда недоступен</translation>
    </message>
    <message>
        <source>K4810_1095</source>
        <translation>Дисплей не подключён</translation>
    </message>
    <message>
        <source>K4810_1096</source>
        <translation>Дисплей подключён</translation>
    </message>
    <message>
        <source>K4810_1097</source>
        <translation>Нет сообщений</translation>
    </message>
    <message>
        <source>K4810_1098</source>
        <translation>Новое сообщение от диспетчера</translation>
    </message>
    <message>
        <source>K4810_1099</source>
        <translation>Сообщение прочитано водителем</translation>
    </message>
    <message>
        <source>K4810_1100</source>
        <translation>Водитель отправил ответ</translation>
    </message>
    <message>
        <source>K4810_1101</source>
        <translation>Получено новое задание</translation>
    </message>
    <message>
        <source>K4810_1102</source>
        <translation>Задание принято</translation>
    </message>
    <message>
        <source>K4810_1103</source>
        <translation>Задание отклонено</translation>
    </message>
    <message>
        <source>K4810_1104</source>
        <translation>Задание выполняется</translation>
    </message>
    <message>
        <source>K4810_1105</source>
        <translation>Задание выполнено</translation>
    </message>
    <message>
        <source>K4810_1106</source>
        <translation>Задание отменено</translation>
    </message>
    <message>
        <source>K4810_1107</source>
        <translation>Водитель на смене</translation>
    </message>
    <message>
        <source>K4810_1108</source>
        <translation>Водитель не на смене</translation>
    </message>
    <message>
        <source>K4810_1109</source>
        <translation>Водитель на перерыве</translation>
    </message>
    <message>
        <source>K4810_1110</source>
        <translation>Ошибка дисплея</translation>
    </message>
    <message>
        <source>K4810_1111</source>
        <translation>Тревожное сообщение от водителя</translation>
    </message>
    <message>
        <source>K4810_1120</source>
        <translation>Автоинформатор бездействует</translation>
    </message>
    <message>
        <source>K4810_1121</source>
        <translation>Автоинформатор подключён</translation>
    </message>
    <message>
        <source>K4810_1122</source>
        <translation>Маршрут активен</translation>
    </message>
    <message>
        <source>K4810_1123</source>
        <translation>В геозоне</translation>
    </message>
    <message>
        <source>K4810_1124</source>
        <translation>На остановке</translation>
    </message>
    <message>
        <source>K4810_1125</source>
        <translation>Идёт объявление</translation>
    </message>
    <message>
        <source>K4810_1126</source>
        <translation>Вне маршрута</translation>
    </message>
    <message>
        <source>K4810_1127</source>
        <translation>Опережение графика</translation>
    </message>
    <message>
        <source>K4810_1128</source>
        <translation>Отставание от графика</translation>
    </message>
    <message>
        <source>K4810_1135</source>
        <translation>Камера подключена</translation>
    </message>
    <message>
        <source>K4810_1136</source>
        <translation>Камера готова</translation>
    </message>
    <message>
        <source>K4810_1137</source>
        <translation>Съёмка фото</translation>
    </message>
    <message>
        <source>K4810_1138</source>
        <translation>Фото сохранено</translation>
    </message>
    <message>
        <source>K4810_1139</source>
        <translation>Отправка фото</translation>
    </message>
    <message>
        <source>K4810_1140</source>
        <translation>Ошибка камеры</translation>
    </message>
    <message>
        <source>K4810_1141</source>
        <translation>Память камеры заполнена</translation>
    </message>
    <message>
        <source>K4810_1142</source>
        <translation>Камера занята</translation>
    </message>
</context>
</TS>
