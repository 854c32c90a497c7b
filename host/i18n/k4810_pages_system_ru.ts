<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_014</source>
        <translation> мс</translation>
    </message>
    <message>
        <source>K4810_151</source>
        <translation>Точки трека</translation>
    </message>
    <message>
        <source>K4810_152</source>
        <translation>Запись стоянок</translation>
    </message>
    <message>
        <source>K4810_153</source>
        <translation>При изменении курса более, °</translation>
    </message>
    <message>
        <source>K4810_154</source>
        <translation>При смене направления</translation>
    </message>
    <message>
        <source>K4810_155</source>
        <translation>Через каждые, м</translation>
    </message>
    <message>
        <source>K4810_156</source>
        <translation>Через каждые, с</translation>
    </message>
    <message>
        <source>K4810_157</source>
        <translation>Не записывать точки по курсу</translation>
    </message>
    <message>
        <source>K4810_158</source>
        <translation>На расстоянии до, м</translation>
    </message>
    <message>
        <source>K4810_159</source>
        <translation>В течение, с</translation>
    </message>
    <message>
        <source>K4810_160</source>
        <translation>Ограничение скорости</translation>
    </message>
    <message>
        <source>K4810_161</source>
        <translation>Сообщать о превышении, км/ч</translation>
    </message>
    <message>
        <source>K4810_162</source>
        <translation>Фильтр координат</translation>
    </message>
    <message>
        <source>K4810_163</source>
        <translation>Отбрасывать точки с HDOP более</translation>
    </message>
    <message>
        <source>K4810_164</source>
        <translation>Минимум спутников</translation>
    </message>
    <message>
        <source>K4810_165</source>
        <translation>Максимальная скорость, км/ч</translation>
    </message>
    <message>
        <source>K4810_166</source>
        <translation>Максимальное ускорение, км/ч за с</translation>
    </message>
    <message>
        <source>K4810_167</source>
        <translation>Максимальный скачок координат, м</translation>
    </message>
    <message>
        <source>K4810_168</source>
        <translation>Отброшенных точек подряд до принятия</translation>
    </message>
    <message>
        <source>K4810_169</source>
        <translation>Усреднение координат</translation>
    </message>
    <message>
        <source>K4810_170</source>
        <translation>Без усреднения</translation>
    </message>
    <message>
        <source>K4810_171</source>
        <translation>Обычное усреднение</translation>
    </message>
    <message>
        <source>K4810_172</source>
        <translation>Сильное усреднение</translation>
    </message>
    <message>
        <source>K4810_173</source>
        <translation>Не усреднять:</translation>
    </message>
    <message>
        <source>K4810_174</source>
        <translation>При включённом зажигании</translation>
    </message>
    <message>
        <source>K4810_175</source>
        <translation>При движении</translation>
    </message>
    <message>
        <source>K4810_176</source>
        <translation>В режиме охраны</translation>
    </message>
    <message>
        <source>K4810_177</source>
        <translation>При тревоге</translation>
    </message>
    <message>
        <source>K4810_178</source>
        <translation>Стоянка</translation>
    </message>
    <message>
        <source>K4810_179</source>
        <translation>Стоянка по зажиганию</translation>
    </message>
    <message>
        <source>K4810_180</source>
        <translation>Стоянка по акселерометру</translation>
    </message>
    <message>
        <source>K4810_181</source>
        <translation>Стоянка после простоя, с</translation>
    </message>
    <message>
        <source>K4810_182</source>
        <translation>Акселерометр…</translation>
    </message>
    <message>
        <source>K4810_183</source>
        <translation>На стоянке точка каждые, с</translation>
    </message>
    <message>
        <source>K4810_184</source>
        <translation>Без точек стоянки в режиме охраны</translation>
    </message>
    <message>
        <source>K4810_185</source>
        <translation>Без точек стоянки при выключенном зажигании</translation>
    </message>
    <message>
        <source>K4810_186</source>
        <translation>Без точек стоянки при питании от АКБ</translation>
    </message>
    <message>
        <source>K4810_194</source>
        <translation>Пароли</translation>
    </message>
    <message>
        <source>K4810_195</source>
        <translation>Пароль передачи данных (CSD)</translation>
    </message>
    <message>
        <source>K4810_196</source>
        <translation>Пароль SMS-команд</translation>
    </message>
    <message>
        <source>K4810_197</source>
        <translation>Общие</translation>
    </message>
    <message>
        <source>K4810_198</source>
        <translation>Часовой пояс, ч от UTC</translation>
    </message>
    <message>
        <source>K4810_199</source>
        <translation>Летнее время</translation>
    </message>
    <message>
        <source>K4810_200</source>
        <translation>Порог чувствительности к движению</translation>
    </message>
    <message>
        <source>K4810_201</source>
        <translation>Полный контроль SIM-карты</translation>
    </message>
    <message>
        <source>K4810_202</source>
        <translation>Тревога при эвакуации</translation>
    </message>
    <message>
        <source>K4810_203</source>
        <translation>Обнаружение глушения GSM</translation>
    </message>
    <message>
        <source>K4810_204</source>
        <translation>Учёт моточасов по:</translation>
    </message>
    <message>
        <source>K4810_205</source>
        <translation>Зажигание (IN1)</translation>
    </message>
    <message>
        <source>K4810_206</source>
        <translation>Вход IN2</translation>
    </message>
    <message>
        <source>K4810_207</source>
        <translation>Работа двигателя (напряжение питания)</translation>
    </message>
    <message>
        <source>K4810_208</source>
        <translation>Шина CAN</translation>
    </message>
    <message>
        <source>K4810_209</source>
        <translation>Баланс SIM-карты</translation>
    </message>
    <message>
        <source>K4810_210</source>
        <translation>Запрос баланса (USSD)</translation>
    </message>
    <message>
        <source>K4810_211</source>
        <translation>Проверять баланс автоматически</translation>
    </message>
    <message>
        <source>K4810_212</source>
        <translation>Проверять каждые, ч</translation>
    </message>
    <message>
        <source>K4810_213</source>
        <translation>Текст положительного баланса</translation>
    </message>
    <message>
        <source>K4810_214</source>
        <translation>Текст отрицательного баланса</translation>
    </message>
    <message>
        <source>K4810_215</source>
        <translation>Текст сообщения о балансе</translation>
    </message>
    <message>
        <source>K4810_216</source>
        <translation>Минимальный баланс, руб.</translation>
    </message>
    <message>
        <source>K4810_217</source>
        <translation>коп.</translation>
    </message>
    <message>
        <source>K4810_225</source>
        <translation>Энергосбережение</translation>
    </message>
    <message>
        <source>K4810_226</source>
        <translation>Выключено</translation>
    </message>
    <message>
        <source>K4810_227</source>
        <translation>При питании от АКБ</translation>
    </message>
    <message>
        <source>K4810_228</source>
        <translation>По условиям</translation>
    </message>
    <message>
        <source>K4810_295</source>
        <translation>Название</translation>
    </message>
    <message>
        <source>K4810_296</source>
        <translation>Нормальное состояние</translation>
    </message>
    <message>
        <source>K4810_297</source>
        <translation>Зажигание (активен при наличии напряжения)</translation>
    </message>
    <message>
        <source>K4810_298</source>
        <translation>Дискретный вход</translation>
    </message>
    <message>
        <source>K4810_299</source>
        <translation>Сообщать о возврате в норму</translation>
    </message>
    <message>
        <source>K4810_300</source>
        <translation>Время анализа, мс</translation>
    </message>
    <message>
        <source>K4810_301</source>
        <translation>Не используется</translation>
    </message>
    <message>
        <source>K4810_302</source>
        <translation>Счётчик импульсов</translation>
    </message>
    <message>
        <source>K4810_303</source>
        <translation>Частота</translation>
    </message>
    <message>
        <source>K4810_304</source>
        <translation>Время реакции</translation>
    </message>
    <message>
        <source>K4810_305</source>
        <translation>Начало работы от, имп.</translation>
    </message>
    <message>
        <source>K4810_306</source>
        <translation>за, с</translation>
    </message>
    <message>
        <source>K4810_307</source>
        <translation>Окончание работы ниже, имп.</translation>
    </message>
    <message>
        <source>K4810_308</source>
        <translation>Показывать работу как состояние входа</translation>
    </message>
    <message>
        <source>K4810_309</source>
        <translation>Сбрасывать счётчик при каждом запуске</translation>
    </message>
    <message>
        <source>K4810_310</source>
        <translation>Минимальная интенсивность работы, имп.</translation>
    </message>
    <message>
        <source>K4810_311</source>
        <translation>Пороги только при движении</translation>
    </message>
    <message>
        <source>K4810_312</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>K4810_313</source>
        <translation>Скользящее среднее</translation>
    </message>
    <message>
        <source>K4810_314</source>
        <translation>Калмана</translation>
    </message>
    <message>
        <source>K4810_315</source>
        <translation>Длина, отсчётов</translation>
    </message>
    <message>
        <source>K4810_316</source>
        <translation>Сглаживание</translation>
    </message>
    <message>
        <source>K4810_317</source>
        <translation>Аналоговый: напряжение</translation>
    </message>
    <message>
        <source>K4810_318</source>
        <translation>Дискретный: активен внутри зоны</translation>
    </message>
    <message>
        <source>K4810_319</source>
        <translation>Дискретный: норма внутри зоны</translation>
    </message>
    <message>
        <source>K4810_320</source>
        <translation>Зона от, В</translation>
    </message>
    <message>
        <source>K4810_321</source>
        <translation>до, В</translation>
    </message>
    <message>
        <source>K4810_322</source>
        <translation>Частотный фильтр, Гц</translation>
    </message>
    <message>
        <source>K4810_323</source>
        <translation>Текущие значения</translation>
    </message>
    <message>
        <source>K4810_324</source>
        <translation>Опрос каждые, с</translation>
    </message>
    <message>
        <source>K4810_325</source>
        <translation>Прочитать</translation>
    </message>
    <message>
        <source>K4810_326</source>
        <translation>Напряжение, В</translation>
    </message>
    <message>
        <source>K4810_327</source>
        <translation>Частота, Гц</translation>
    </message>
    <message>
        <source>K4810_328</source>
        <translation>Импульсы</translation>
    </message>
    <message>
        <source>K4810_329</source>
        <translation>Активен</translation>
    </message>
    <message>
        <source>K4810_330</source>
        <translation>Неактивен</translation>
    </message>
    <message>
        <source>K4810_331</source>
        <translation>Напряжение питания, В</translation>
    </message>
    <message>
        <source>K4810_332</source>
        <translation>Резервная батарея, В</translation>
    </message>
    <message>
        <source>K4810_824</source>
        <translation>Определение работы двигателя</translation>
    </message>
    <message>
        <source>K4810_825</source>
        <translation>Запустите двигатель и не глушите его: осталось %1 с.</translation>
    </message>
    <message>
        <source>K4810_2700</source>
        <translation>Также при внешнем питании</translation>
    </message>
    <message>
        <source>K4810_2701</source>
        <translation>При заглушенном двигателе</translation>
    </message>
    <message>
        <source>K4810_2702</source>
        <translation>Без движения в течение, с</translation>
    </message>
    <message>
        <source>K4810_2703</source>
        <translation>Акселерометр…</translation>
    </message>
    <message>
        <source>K4810_2704</source>
        <translation>Пока вход неактивен</translation>
    </message>
    <message>
        <source>K4810_2705</source>
        <translation>Отключать приёмник GNSS через, с</translation>
    </message>
    <message>
        <source>K4810_2706</source>
        <translation>Отключать GSM-модем через, с</translation>
    </message>
    <message>
        <source>K4810_2707</source>
        <translation>Отключать интерфейсы через, с</translation>
    </message>
    <message>
        <source>K4810_2708</source>
        <translation>Отключать заряд АКБ через, с</translation>
    </message>
    <message>
        <source>K4810_2709</source>
        <translation>Глубокий сон через, мин</translation>
    </message>
    <message>
        <source>K4810_2710</source>
        <translation>Выход из глубокого сна каждые, мин</translation>
    </message>
    <message>
        <source>K4810_2711</source>
        <translation>Просыпаться ежедневно в</translation>
    </message>
    <message>
        <source>K4810_2712</source>
        <translation>Недельное расписание</translation>
    </message>
    <message>
        <source>K4810_2713</source>
        <translation>Понедельник</translation>
    </message>
    <message>
        <source>K4810_2714</source>
        <translation>Вторник</translation>
    </message>
    <message>
        <source>K4810_2715</source>
        <translation>Среда</translation>
    </message>
    <message>
        <source>K4810_2716</source>
        <translation>Четверг</translation>
    </message>
    <message>
        <source>K4810_2717</source>
        <translation>Пятница</translation>
    </message>
    <message>
        <source>K4810_2718</source>
        <translation>Суббота</translation>
    </message>
    <message>
        <source>K4810_2719</source>
        <translation>Воскресенье</translation>
    </message>
    <message>
        <source>K4810_2720</source>
        <translation>Активен с</translation>
    </message>
    <message>
        <source>K4810_2721</source>
        <translation>до</translation>
    </message>
    <message>
        <source>K4810_2722</source>
        <translation>Двигатель и напряжение питания</translation>
    </message>
    <message>
        <source>K4810_2723</source>
        <translation>Определять работу двигателя по напряжению питания</translation>
    </message>
    <message>
        <source>K4810_2724</source>
        <translation>Без событий запуска и остановки двигателя</translation>
    </message>
    <message>
        <source>K4810_2725</source>
        <translation>Двигатель работает выше, В</translation>
    </message>
    <message>
        <source>K4810_2726</source>
        <translation>Прочитать напряжение</translation>
    </message>
    <message>
        <source>K4810_2727</source>
        <translation>Определить</translation>
    </message>
    <message>
        <source>K4810_2728</source>
        <translation>Напряжение питания, В:</translation>
    </message>
    <message>
        <source>K4810_2729</source>
        <translation>Резервная батарея, В:</translation>
    </message>
    <message>
        <source>K4810_2730</source>
        <translation>При работающем двигателе, В:</translation>
    </message>
    <message>
        <source>K4810_2731</source>
        <translation>Внешнее питание</translation>
    </message>
    <message>
        <source>K4810_2732</source>
        <translation>Пропадание питания ниже, В</translation>
    </message>
    <message>
        <source>K4810_2733</source>
        <translation>Восстановление питания выше, В</translation>
    </message>
    <message>
        <source>K4810_2734</source>
        <translation>Вход уровня топлива</translation>
    </message>
    <message>
        <source>K4810_2735</source>
        <translation>Контролировать вход уровня топлива</translation>
    </message>
    <message>
        <source>K4810_2736</source>
        <translation>Низкий уровень ниже, В</translation>
    </message>
    <message>
        <source>K4810_2737</source>
        <translation>Нормальный уровень выше, В</translation>
    </message>
    <message>
        <source>K4810_2738</source>
        <translation>Задержка, с</translation>
    </message>
    <message>
        <source>K4810_2739</source>
        <translation>При неисправности датчика</translation>
    </message>
    <message>
        <source>K4810_2740</source>
        <translation>Сохранять последнее состояние</translation>
    </message>
    <message>
        <source>K4810_2741</source>
        <translation>Сообщать о неисправности</translation>
    </message>
    <message>
        <source>K4810_2742</source>
        <translation>Запросы баланса операторов связи</translation>
    </message>
</context>
</TS>
