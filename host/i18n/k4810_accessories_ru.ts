<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_3100</source>
        <translation>Выполняется автоматически во время обычных поездок с интенсивным движением; занимает %1.</translation>
    </message>
    <message>
        <source>K4810_3101</source>
        <translation>Требуется прямой участок дороги, на котором автомобиль может несколько раз резко разогнаться и затормозить.</translation>
    </message>
    <message>
        <source>K4810_3102</source>
        <translation>Рекомендуется после каждой калибровки, а также после каждого снятия и повторной установки трекера.</translation>
    </message>
    <message>
        <source>K4810_3103</source>
        <translation>Ошибка калибровки</translation>
    </message>
    <message>
        <source>K4810_3104</source>
        <translation>Калибровка не поддерживается</translation>
    </message>
    <message>
        <source>K4810_3105</source>
        <translation>Нет ответа от трекера</translation>
    </message>
    <message>
        <source>K4810_3106</source>
        <translation>Необходимо повторить калибровку</translation>
    </message>
    <message>
        <source>K4810_3107</source>
        <translation>Статический этап</translation>
    </message>
    <message>
        <source>K4810_3108</source>
        <translation>Динамическая калибровка</translation>
    </message>
    <message>
        <source>K4810_3109</source>
        <translation>Калибровка завершена</translation>
    </message>
    <message>
        <source>K4810_3110</source>
        <translation>Калибровка по GNSS начата</translation>
    </message>
    <message>
        <source>K4810_3111</source>
        <translation>Статическая проверка</translation>
    </message>
    <message>
        <source>K4810_3112</source>
        <translation>Динамическая проверка</translation>
    </message>
    <message>
        <source>K4810_3113</source>
        <translation>Проверка завершена</translation>
    </message>
    <message>
        <source>K4810_3114</source>
        <translation>Прошивка трекера не поддерживает калибровку акселерометра. Нажмите кнопку &quot;Завершить&quot;, чтобы закрыть мастер.</translation>
    </message>
    <message>
        <source>K4810_3115</source>
        <translation>Проверьте связь с трекером и запустите мастер снова. Нажмите кнопку &quot;Завершить&quot;, чтобы закрыть мастер.</translation>
    </message>
    <message>
        <source>K4810_3116</source>
        <translation>Трекер определил, что оси откалиброваны неверно. Выполните калибровку повторно.</translation>
    </message>
    <message>
        <source>K4810_3117</source>
        <translation>Автономная калибровка состоит из двух этапов, которые выполняются сразу один за другим.

1. Статическая калибровка: автомобиль стоит неподвижно с заглушенным двигателем в течение 30 секунд.
2. Динамическая калибровка: заведите двигатель, тронитесь с места и наберите скорость не менее 1 км/ч, выполните 2-3 резких разгона и торможения, остановитесь и ждите. Автомобиль должен двигаться строго прямо.

Для начала нажмите кнопку &quot;Далее&quot;.</translation>
    </message>
    <message>
        <source>K4810_3118</source>
        <translation>Автомобиль должен стоять неподвижно с заглушенным двигателем до окончания этапа.</translation>
    </message>
    <message>
        <source>K4810_3119</source>
        <translation>Заведите двигатель, тронитесь с места и наберите скорость не менее 1 км/ч, выполните 2-3 резких разгона и торможения строго по прямой, затем остановитесь и дождитесь результата.</translation>
    </message>
    <message>
        <source>K4810_3120</source>
        <translation>Калибровка завершена. Убедитесь, что трекер теперь правильно определяет направления движения автомобиля: выполните проверку калибровки. Нажмите кнопку &quot;Завершить&quot;, чтобы закрыть мастер.</translation>
    </message>
    <message>
        <source>K4810_3121</source>
        <translation>Калибровка по GNSS выполняется автоматически во время интенсивного движения при достоверной GNSS-навигации. После ее запуска мастер можно закрыть кнопкой &quot;Завершить&quot;, калибровка при этом не прерывается.

Для начала нажмите кнопку &quot;Далее&quot;.</translation>
    </message>
    <message>
        <source>K4810_3122</source>
        <translation>Трекер калибрует оси во время движения автомобиля. Мастер можно закрыть кнопкой &quot;Завершить&quot;: калибровка продолжится.</translation>
    </message>
    <message>
        <source>K4810_3123</source>
        <translation>Проверка состоит из двух этапов, которые выполняются сразу один за другим.

1. Статическая проверка: автомобиль стоит неподвижно в течение 1 минуты.
2. Динамическая проверка: тронитесь с места и наберите скорость не менее 5 км/ч, остановитесь и ждите.

Для начала нажмите кнопку &quot;Далее&quot;.</translation>
    </message>
    <message>
        <source>K4810_3124</source>
        <translation>Автомобиль должен стоять неподвижно до окончания этапа.</translation>
    </message>
    <message>
        <source>K4810_3125</source>
        <translation>Тронитесь с места и наберите скорость не менее 5 км/ч, затем остановитесь и дождитесь результата.</translation>
    </message>
    <message>
        <source>K4810_3126</source>
        <translation>Проверка завершена: оси акселерометра откалиброваны верно. Нажмите кнопку &quot;Завершить&quot;, чтобы закрыть мастер.</translation>
    </message>
    <message>
        <source>K4810_3127</source>
        <translation>Во время статического этапа автомобиль двигался или сильно вибрировал. Он должен стоять неподвижно с заглушенным двигателем.</translation>
    </message>
    <message>
        <source>K4810_3128</source>
        <translation>Автомобиль не тронулся с места. На динамическом этапе он должен набрать скорость не менее 1 км/ч.</translation>
    </message>
    <message>
        <source>K4810_3129</source>
        <translation>Автомобиль не тронулся с места. При динамической проверке он должен набрать скорость не менее 5 км/ч.</translation>
    </message>
    <message>
        <source>K4810_3130</source>
        <translation>Недостаточное количество или интенсивность разгонов и торможений. Выполните не менее 2 резких разгонов и торможений.</translation>
    </message>
    <message>
        <source>K4810_3131</source>
        <translation>Трекеру не удалось измерить силу тяжести: возможно, акселерометр неисправен.</translation>
    </message>
    <message>
        <source>K4810_3132</source>
        <translation>Не удалось откалибровать оси по GNSS. Необходимы достоверная GNSS-навигация, резкие разгоны и торможения на прямой дороге и скорость выше 20 км/ч.</translation>
    </message>
    <message>
        <source>K4810_3133</source>
        <translation>Калибровка акселерометра</translation>
    </message>
    <message>
        <source>K4810_3134</source>
        <translation>Ожидание ответа трекера...</translation>
    </message>
    <message>
        <source>K4810_3135</source>
        <translation>Считать код ключа, приложенного сейчас к считывателю трекера</translation>
    </message>
    <message>
        <source>K4810_3136</source>
        <translation>Файл ключей записан в трекер.</translation>
    </message>
    <message>
        <source>K4810_3137</source>
        <translation>Из трекера прочитано ключей: %1.</translation>
    </message>
    <message>
        <source>K4810_3138</source>
        <translation>Открыть файл ключей</translation>
    </message>
    <message>
        <source>K4810_3139</source>
        <translation>Сохранить файл ключей</translation>
    </message>
    <message>
        <source>K4810_3140</source>
        <translation>Трекер не ответил вовремя. Передача остановлена.</translation>
    </message>
    <message>
        <source>K4810_3141</source>
        <translation>Трекер отключен. Передача остановлена.</translation>
    </message>
    <message>
        <source>K4810_3142</source>
        <translation>Не удается записать файл %1: %2</translation>
    </message>
    <message>
        <source>K4810_3143</source>
        <translation>Трекер прислал блок без данных. Чтение остановлено.</translation>
    </message>
    <message>
        <source>K4810_3144</source>
        <translation>Первый блок от трекера слишком короткий и не содержит длины файла ключей. Чтение остановлено.</translation>
    </message>
    <message>
        <source>K4810_3145</source>
        <translation>Идентификация водителя</translation>
    </message>
    <message>
        <source>K4810_3146</source>
        <translation>Постановка и снятие с охраны</translation>
    </message>
    <message>
        <source>K4810_3147</source>
        <translation>Разрешение запуска двигателя</translation>
    </message>
    <message>
        <source>K4810_3148</source>
        <translation>Идентификация водителя и запуск двигателя</translation>
    </message>
    <message>
        <source>K4810_3149</source>
        <translation>Обслуживающий персонал</translation>
    </message>
    <message>
        <source>K4810_3150</source>
        <translation>Только событие</translation>
    </message>
    <message>
        <source>K4810_3151</source>
        <translation>Ключи Touch Memory</translation>
    </message>
    <message>
        <source>K4810_3152</source>
        <translation>Загрузить из файла...</translation>
    </message>
    <message>
        <source>K4810_3153</source>
        <translation>Сохранить в файл...</translation>
    </message>
    <message>
        <source>K4810_3154</source>
        <translation>Прочитать из трекера</translation>
    </message>
    <message>
        <source>K4810_3155</source>
        <translation>Записать в трекер</translation>
    </message>
    <message>
        <source>K4810_3156</source>
        <translation>№</translation>
    </message>
    <message>
        <source>K4810_3157</source>
        <translation>Код ключа (HEX)</translation>
    </message>
    <message>
        <source>K4810_3158</source>
        <translation>Текст</translation>
    </message>
    <message>
        <source>K4810_3159</source>
        <translation>Режим</translation>
    </message>
    <message>
        <source>K4810_3160</source>
        <translation>Текущее состояние тахографа</translation>
    </message>
    <message>
        <source>K4810_3161</source>
        <translation>Карта в слоте 1</translation>
    </message>
    <message>
        <source>K4810_3162</source>
        <translation>Карта в слоте 2</translation>
    </message>
    <message>
        <source>K4810_3163</source>
        <translation>Регистрационные данные</translation>
    </message>
    <message>
        <source>K4810_3164</source>
        <translation>Данные карты</translation>
    </message>
    <message>
        <source>K4810_3165</source>
        <translation>Обзор</translation>
    </message>
    <message>
        <source>K4810_3166</source>
        <translation>Деятельность за сутки</translation>
    </message>
    <message>
        <source>K4810_3167</source>
        <translation>События и неисправности</translation>
    </message>
    <message>
        <source>K4810_3168</source>
        <translation>Подробные данные о скорости</translation>
    </message>
    <message>
        <source>K4810_3169</source>
        <translation>Технические данные</translation>
    </message>
    <message>
        <source>K4810_3170</source>
        <translation>Карта 1 (водитель)</translation>
    </message>
    <message>
        <source>K4810_3171</source>
        <translation>Карта 2 (второй водитель)</translation>
    </message>
    <message>
        <source>K4810_3172</source>
        <translation>Время тахографа</translation>
    </message>
    <message>
        <source>K4810_3173</source>
        <translation>Режим тахографа</translation>
    </message>
    <message>
        <source>K4810_3174</source>
        <translation>Режим модуля безопасности</translation>
    </message>
    <message>
        <source>K4810_3175</source>
        <translation>Состояние карты 1</translation>
    </message>
    <message>
        <source>K4810_3176</source>
        <translation>Состояние карты 2</translation>
    </message>
    <message>
        <source>K4810_3177</source>
        <translation>Деятельность водителя 1</translation>
    </message>
    <message>
        <source>K4810_3178</source>
        <translation>Деятельность водителя 2</translation>
    </message>
    <message>
        <source>K4810_3179</source>
        <translation>Тип карты 1</translation>
    </message>
    <message>
        <source>K4810_3180</source>
        <translation>Тип карты 2</translation>
    </message>
    <message>
        <source>K4810_3181</source>
        <translation>Пробег TRIP</translation>
    </message>
    <message>
        <source>K4810_3182</source>
        <translation>Напряжение питания</translation>
    </message>
    <message>
        <source>K4810_3183</source>
        <translation>Водитель %1: минут в текущем режиме деятельности</translation>
    </message>
    <message>
        <source>K4810_3184</source>
        <translation>Водитель %1: минут вождения за сегодня</translation>
    </message>
    <message>
        <source>K4810_3185</source>
        <translation>Водитель %1: минут непрерывного вождения</translation>
    </message>
    <message>
        <source>K4810_3186</source>
        <translation>Водитель %1: суммарно минут перерыва</translation>
    </message>
    <message>
        <source>K4810_3187</source>
        <translation>рабочий</translation>
    </message>
    <message>
        <source>K4810_3188</source>
        <translation>контроль</translation>
    </message>
    <message>
        <source>K4810_3189</source>
        <translation>калибровка</translation>
    </message>
    <message>
        <source>K4810_3190</source>
        <translation>предприятие</translation>
    </message>
    <message>
        <source>K4810_3191</source>
        <translation>не активирован</translation>
    </message>
    <message>
        <source>K4810_3192</source>
        <translation>активирован</translation>
    </message>
    <message>
        <source>K4810_3193</source>
        <translation>нет карты</translation>
    </message>
    <message>
        <source>K4810_3194</source>
        <translation>не авторизована</translation>
    </message>
    <message>
        <source>K4810_3195</source>
        <translation>авторизована</translation>
    </message>
    <message>
        <source>K4810_3196</source>
        <translation>не удалось извлечь</translation>
    </message>
    <message>
        <source>K4810_3197</source>
        <translation>отдых</translation>
    </message>
    <message>
        <source>K4810_3198</source>
        <translation>готовность</translation>
    </message>
    <message>
        <source>K4810_3199</source>
        <translation>работа</translation>
    </message>
    <message>
        <source>K4810_3200</source>
        <translation>вождение</translation>
    </message>
    <message>
        <source>K4810_3201</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>K4810_3202</source>
        <translation>водитель</translation>
    </message>
    <message>
        <source>K4810_3203</source>
        <translation>контролер</translation>
    </message>
    <message>
        <source>K4810_3204</source>
        <translation>предприятие</translation>
    </message>
    <message>
        <source>K4810_3206</source>
        <translation>Состояние карты</translation>
    </message>
    <message>
        <source>K4810_3207</source>
        <translation>Тип карты</translation>
    </message>
    <message>
        <source>K4810_3208</source>
        <translation>Код страны</translation>
    </message>
    <message>
        <source>K4810_3209</source>
        <translation>Номер карты</translation>
    </message>
    <message>
        <source>K4810_3210</source>
        <translation>Срок действия карты</translation>
    </message>
    <message>
        <source>K4810_3211</source>
        <translation>Кодовая страница строки %1</translation>
    </message>
    <message>
        <source>K4810_3212</source>
        <translation>Строка %1</translation>
    </message>
    <message>
        <source>K4810_3213</source>
        <translation>Версия тахографа</translation>
    </message>
    <message>
        <source>K4810_3214</source>
        <translation>Идентификационный номер ТС</translation>
    </message>
    <message>
        <source>K4810_3215</source>
        <translation>Код страны регистрации</translation>
    </message>
    <message>
        <source>K4810_3216</source>
        <translation>Кодовая страница регистрационного номера</translation>
    </message>
    <message>
        <source>K4810_3217</source>
        <translation>Регистрационный номер</translation>
    </message>
    <message>
        <source>K4810_3218</source>
        <translation>Ограничение скорости</translation>
    </message>
    <message>
        <source>K4810_3219</source>
        <translation>%1 км/ч</translation>
    </message>
    <message>
        <source>K4810_3220</source>
        <translation>Следующая калибровка</translation>
    </message>
    <message>
        <source>K4810_3221</source>
        <translation>Модуль безопасности активирован</translation>
    </message>
    <message>
        <source>K4810_3222</source>
        <translation>Окончание активации модуля безопасности</translation>
    </message>
    <message>
        <source>K4810_3223</source>
        <translation>Серийный номер модуля безопасности</translation>
    </message>
    <message>
        <source>K4810_3224</source>
        <translation>Регистрационный номер модуля безопасности</translation>
    </message>
    <message>
        <source>K4810_3225</source>
        <translation>%1 км</translation>
    </message>
    <message>
        <source>K4810_3226</source>
        <translation>%1 В</translation>
    </message>
    <message>
        <source>K4810_3230</source>
        <translation>Не удается записать файл %1: %2</translation>
    </message>
    <message>
        <source>K4810_3231</source>
        <translation>Выгрузка остановлена.</translation>
    </message>
    <message>
        <source>K4810_3232</source>
        <translation>Трекер отключен. Выгрузка остановлена.</translation>
    </message>
    <message>
        <source>K4810_3233</source>
        <translation>Трекер не завершил передачу DDD файла за отведенное время.</translation>
    </message>
    <message>
        <source>K4810_3234</source>
        <translation>Трекер не смог выдать файл (статус %1).</translation>
    </message>
    <message>
        <source>K4810_3235</source>
        <translation>DDD файл сохранен как %1 (%2 байт).</translation>
    </message>
    <message>
        <source>K4810_3236</source>
        <translation>Трекер не ответил.</translation>
    </message>
    <message>
        <source>K4810_3237</source>
        <translation>Запросить</translation>
    </message>
    <message>
        <source>K4810_3238</source>
        <translation>Сохранить DDD файл</translation>
    </message>
    <message>
        <source>K4810_3239</source>
        <translation>Файлы DDD (*.ddd *.DDD);;Все файлы (*)</translation>
    </message>
    <message>
        <source>K4810_3240</source>
        <translation>Трекер сам авторизуется в тахографе: вводить логин не требуется.</translation>
    </message>
    <message>
        <source>K4810_3241</source>
        <translation>Не удается прочитать файл %1: %2</translation>
    </message>
    <message>
        <source>K4810_3242</source>
        <translation>Запись файла ключей в трекер: блок %1 из %2</translation>
    </message>
    <message>
        <source>K4810_3243</source>
        <translation>Чтение файла ключей из трекера: %1 из %2 байт</translation>
    </message>
    <message>
        <source>K4810_3244</source>
        <translation>Из файла %2 загружено ключей: %1</translation>
    </message>
    <message>
        <source>K4810_3245</source>
        <translation>Карта:</translation>
    </message>
    <message>
        <source>K4810_3246</source>
        <translation>Дата:</translation>
    </message>
    <message>
        <source>K4810_3247</source>
        <translation>Тип файла:</translation>
    </message>
    <message>
        <source>K4810_3248</source>
        <translation>Запрос:</translation>
    </message>
</context>
</TS>
