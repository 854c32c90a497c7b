<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB">
<context>
    <name>K4810</name>
    <message>
        <source>K4810_017</source>
        <translation>°C</translation>
    </message>
    <message>
        <source>K4810_337</source>
        <translation>GSM network (2G)</translation>
    </message>
    <message>
        <source>K4810_338</source>
        <translation>3G network</translation>
    </message>
    <message>
        <source>K4810_339</source>
        <translation>4G (LTE) network</translation>
    </message>
    <message>
        <source>K4810_784</source>
        <translation>GSM module off</translation>
    </message>
    <message>
        <source>K4810_785</source>
        <translation>Not registered in the network</translation>
    </message>
    <message>
        <source>K4810_786</source>
        <translation>Registered in the home network</translation>
    </message>
    <message>
        <source>K4810_787</source>
        <translation>Roaming</translation>
    </message>
    <message>
        <source>K4810_788</source>
        <translation>Clock not synchronised</translation>
    </message>
    <message>
        <source>K4810_789</source>
        <translation>Clock synchronised</translation>
    </message>
    <message>
        <source>K4810_790</source>
        <translation>USB not connected</translation>
    </message>
    <message>
        <source>K4810_791</source>
        <translation>USB connected</translation>
    </message>
    <message>
        <source>K4810_792</source>
        <translation>Not registered</translation>
    </message>
    <message>
        <source>K4810_793</source>
        <translation>Registered</translation>
    </message>
    <message>
        <source>K4810_794</source>
        <translation>Home network</translation>
    </message>
    <message>
        <source>K4810_795</source>
        <translation>Engine off</translation>
    </message>
    <message>
        <source>K4810_796</source>
        <translation>Engine running</translation>
    </message>
    <message>
        <source>K4810_797</source>
        <translation>No signal</translation>
    </message>
    <message>
        <source>K4810_798</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>K4810_799</source>
        <translation>On</translation>
    </message>
    <message>
        <source>K4810_800</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>K4810_801</source>
        <translation>On</translation>
    </message>
    <message>
        <source>K4810_802</source>
        <translation>No valid fix</translation>
    </message>
    <message>
        <source>K4810_803</source>
        <translation>Valid fix</translation>
    </message>
    <message>
        <source>K4810_852</source>
        <translation>l</translation>
    </message>
    <message>
        <source>K4810_853</source>
        <translation>km/h</translation>
    </message>
    <message>
        <source>K4810_1071</source>
        <translation>No driver card</translation>
    </message>
    <message>
        <source>K4810_1072</source>
        <translation>Driver 1 card inserted</translation>
    </message>
    <message>
        <source>K4810_1073</source>
        <translation>Driver 2 card inserted</translation>
    </message>
    <message>
        <source>K4810_1074</source>
        <translation>Both driver cards inserted</translation>
    </message>
    <message>
        <source>K4810_1075</source>
        <translation>Tachograph not connected</translation>
    </message>
    <message>
        <source>K4810_1076</source>
        <translation>Tachograph connected</translation>
    </message>
    <message>
        <source>K4810_1077</source>
        <translation>Tachograph not answering</translation>
    </message>
    <message>
        <source>K4810_1078</source>
        <translation>Tachograph error</translation>
    </message>
    <message>
        <source>K4810_1079</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>K4810_1080</source>
        <translation>Available</translation>
    </message>
    <message>
        <source>K4810_1081</source>
        <translation>Work</translation>
    </message>
    <message>
        <source>K4810_1082</source>
        <translation>Driving</translation>
    </message>
    <message>
        <source>K4810_1083</source>
        <translation>Activity error</translation>
    </message>
    <message>
        <source>K4810_1089</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>K4810_1090</source>
        <translation>Activity not available</translation>
    </message>
    <message>
        <source>K4810_1095</source>
        <translation>Display not connected</translation>
    </message>
    <message>
        <source>K4810_1096</source>
        <translation>Display connected</translation>
    </message>
    <message>
        <source>K4810_1097</source>
        <translation>No message</translation>
    </message>
    <message>
        <source>K4810_1098</source>
        <translation>New message from the dispatcher</translation>
    </message>
    <message>
        <source>K4810_1099</source>
        <translation>Message read by the driver</translation>
    </message>
    <message>
        <source>K4810_1100</source>
        <translation>Reply sent by the driver</translation>
    </message>
    <message>
        <source>K4810_1101</source>
        <translation>New task received</translation>
    </message>
    <message>
        <source>K4810_1102</source>
        <translation>Task accepted</translation>
    </message>
    <message>
        <source>K4810_1103</source>
        <translation>Task rejected</translation>
    </message>
    <message>
        <source>K4810_1104</source>
        <translation>Task in progress</translation>
    </message>
    <message>
        <source>K4810_1105</source>
        <translation>Task completed</translation>
    </message>
    <message>
        <source>K4810_1106</source>
        <translation>Task cancelled</translation>
    </message>
    <message>
        <source>K4810_1107</source>
        <translation>Driver on duty</translation>
    </message>
    <message>
        <source>K4810_1108</source>
        <translation>Driver off duty</translation>
    </message>
    <message>
        <source>K4810_1109</source>
        <translation>Driver on a break</translation>
    </message>
    <message>
        <source>K4810_1110</source>
        <translation>Display error</translation>
    </message>
    <message>
        <source>K4810_1111</source>
        <translation>Alarm message from the driver</translation>
    </message>
    <message>
        <source>K4810_1120</source>
        <translation>Informer idle</translation>
    </message>
    <message>
        <source>K4810_1121</source>
        <translation>Informer connected</translation>
    </message>
    <message>
        <source>K4810_1122</source>
        <translation>Route active</translation>
    </message>
    <message>
        <source>K4810_1123</source>
        <translation>Inside a geozone</translation>
    </message>
    <message>
        <source>K4810_1124</source>
        <translation>At a stop</translation>
    </message>
    <message>
        <source>K4810_1125</source>
        <translation>Announcement playing</translation>
    </message>
    <message>
        <source>K4810_1126</source>
        <translation>Off the route</translation>
    </message>
    <message>
        <source>K4810_1127</source>
        <translation>Ahead of schedule</translation>
    </message>
    <message>
        <source>K4810_1128</source>
        <translation>Behind schedule</translation>
    </message>
    <message>
        <source>K4810_1135</source>
        <translation>Camera connected</translation>
    </message>
    <message>
        <source>K4810_1136</source>
        <translation>Camera ready</translation>
    </message>
    <message>
        <source>K4810_1137</source>
        <translation>Taking a photo</translation>
    </message>
    <message>
        <source>K4810_1138</source>
        <translation>Photo stored</translation>
    </message>
    <message>
        <source>K4810_1139</source>
        <translation>Sending a photo</translation>
    </message>
    <message>
        <source>K4810_1140</source>
        <translation>Camera error</translation>
    </message>
    <message>
        <source>K4810_1141</source>
        <translation>Camera memory full</translation>
    </message>
    <message>
        <source>K4810_1142</source>
        <translation>Camera busy</translation>
    </message>
</context>
</TS>
