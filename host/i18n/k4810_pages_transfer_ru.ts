<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_051</source>
        <translation>K-2260</translation>
    </message>
    <message>
        <source>K4810_052</source>
        <translation>K-5127</translation>
    </message>
    <message>
        <source>K4810_053</source>
        <translation>EGTS</translation>
    </message>
    <message>
        <source>K4810_054</source>
        <translation>EGTS с авторизацией</translation>
    </message>
    <message>
        <source>K4810_055</source>
        <translation>Без передачи данных в роуминге</translation>
    </message>
    <message>
        <source>K4810_056</source>
        <translation>Выход на связь в роуминге с периодом роуминга</translation>
    </message>
    <message>
        <source>K4810_057</source>
        <translation>Работать в роуминге как в домашней сети</translation>
    </message>
    <message>
        <source>K4810_058</source>
        <translation>В роуминге только через операторов из списка</translation>
    </message>
    <message>
        <source>K4810_062</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>K4810_063</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>K4810_064</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>K4810_065</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>K4810_066</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>K4810_067</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>K4810_068</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>K4810_826</source>
        <translation>ORVB (Vela)</translation>
    </message>
    <message>
        <source>K4810_838</source>
        <translation>UNDS</translation>
    </message>
    <message>
        <source>K4810_2800</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>K4810_2801</source>
        <translation>DNS-имя</translation>
    </message>
    <message>
        <source>K4810_2802</source>
        <translation>Порт</translation>
    </message>
    <message>
        <source>K4810_2803</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>K4810_2804</source>
        <translation>ID объекта</translation>
    </message>
    <message>
        <source>K4810_2805</source>
        <translation>ID центра</translation>
    </message>
    <message>
        <source>K4810_2806</source>
        <translation>Проверить связь</translation>
    </message>
    <message>
        <source>K4810_2807</source>
        <translation>Точка доступа</translation>
    </message>
    <message>
        <source>K4810_2808</source>
        <translation>Список APN…</translation>
    </message>
    <message>
        <source>K4810_2809</source>
        <translation>Другой оператор</translation>
    </message>
    <message>
        <source>K4810_2810</source>
        <translation>Режим роуминга</translation>
    </message>
    <message>
        <source>K4810_2811</source>
        <translation>Период в роуминге, мин</translation>
    </message>
    <message>
        <source>K4810_2812</source>
        <translation>Проверьте настройки</translation>
    </message>
    <message>
        <source>K4810_2813</source>
        <translation>%1: IP-адрес «%2» неверен. Адрес — это четыре числа от 0 до 255, разделённые точками, например 192.0.2.10.</translation>
    </message>
    <message>
        <source>K4810_2814</source>
        <translation>Ключ шифрования должен состоять из 32 шестнадцатеричных цифр без байтов FE и FF или быть пустым. Нажмите «Создать», чтобы получить новый ключ.</translation>
    </message>
    <message>
        <source>K4810_2815</source>
        <translation>Название объекта</translation>
    </message>
    <message>
        <source>K4810_2816</source>
        <translation>Адрес</translation>
    </message>
    <message>
        <source>K4810_2817</source>
        <translation>Основной сервер</translation>
    </message>
    <message>
        <source>K4810_2818</source>
        <translation>Резервный сервер 1</translation>
    </message>
    <message>
        <source>K4810_2819</source>
        <translation>Резервный сервер 2</translation>
    </message>
    <message>
        <source>K4810_2820</source>
        <translation>Транспорт</translation>
    </message>
    <message>
        <source>K4810_2821</source>
        <translation>Шифровать соединение</translation>
    </message>
    <message>
        <source>K4810_2822</source>
        <translation>Ключ шифрования</translation>
    </message>
    <message>
        <source>K4810_2823</source>
        <translation>Создать</translation>
    </message>
    <message>
        <source>K4810_2824</source>
        <translation>Связь с серверами</translation>
    </message>
    <message>
        <source>K4810_2825</source>
        <translation>Постоянно на связи</translation>
    </message>
    <message>
        <source>K4810_2826</source>
        <translation>Выходить на связь периодически</translation>
    </message>
    <message>
        <source>K4810_2827</source>
        <translation>Период пинга, с</translation>
    </message>
    <message>
        <source>K4810_2828</source>
        <translation>Отправлять запись с каждым пингом</translation>
    </message>
    <message>
        <source>K4810_2829</source>
        <translation>Выходить на связь каждые, с</translation>
    </message>
    <message>
        <source>K4810_2830</source>
        <translation>Принудительный выход на связь</translation>
    </message>
    <message>
        <source>K4810_2831</source>
        <translation>Принимать команды с сервера</translation>
    </message>
    <message>
        <source>K4810_2832</source>
        <translation>Пауза после неудачного соединения, с</translation>
    </message>
    <message>
        <source>K4810_2833</source>
        <translation>Без SMS в роуминге</translation>
    </message>
    <message>
        <source>K4810_2834</source>
        <translation>Без звонков в роуминге</translation>
    </message>
    <message>
        <source>K4810_2835</source>
        <translation>Не выходить на связь в роуминге</translation>
    </message>
    <message>
        <source>K4810_2836</source>
        <translation>Список операторов…</translation>
    </message>
    <message>
        <source>K4810_2837</source>
        <translation>Период в движении, мин</translation>
    </message>
    <message>
        <source>K4810_2838</source>
        <translation>Период на стоянке, мин</translation>
    </message>
    <message>
        <source>K4810_2839</source>
        <translation>Связь заблокирована на, ч : мин</translation>
    </message>
    <message>
        <source>K4810_2840</source>
        <translation>Обновление прошивки</translation>
    </message>
    <message>
        <source>K4810_2841</source>
        <translation>Также передавать в записях</translation>
    </message>
    <message>
        <source>K4810_2842</source>
        <translation>Выбирать случайно</translation>
    </message>
    <message>
        <source>K4810_2843</source>
        <translation>Вариант %1 (%2 м, %3 с)</translation>
    </message>
    <message>
        <source>K4810_2844</source>
        <translation>Вручную</translation>
    </message>
    <message>
        <source>K4810_2845</source>
        <translation>По углу</translation>
    </message>
    <message>
        <source>K4810_2846</source>
        <translation>По направлению</translation>
    </message>
    <message>
        <source>K4810_2847</source>
        <translation>По расстоянию, м</translation>
    </message>
    <message>
        <source>K4810_2848</source>
        <translation>По времени, с</translation>
    </message>
    <message>
        <source>K4810_2849</source>
        <translation>Зажигание на входе 1</translation>
    </message>
</context>
</TS>
