#pragma once
// The radio-wide settings record: every field with its byte offset in the
// 2508-byte record, its type and its shape. This list is the only place that
// knows the offsets; the accessors, the image map, the data file, the JSON
// export and the windows all reach the fields through it.
//
// X(Name, Kind, Offset, Chars, Shape)
//   Kind   I16 (signed 16-bit), U8, I32, F64 (8-byte float), Text (two bytes a character)
//   Chars  characters of a Text field, 0 otherwise
//   Shape  One(), List(count, stride, first index) or
//          Grid(count1, stride1, first1, count2, stride2, first2)
//
// Index conventions: groups, weather records and DTMF codes count from 1;
// bands, public-parameter rows and DTMF settings count from 0.
#define ZQ_OPTION_FIELDS(X)                              \
  X(WorkGroup, I16, 0, 0, List(3, 2, 0))                 \
  X(CbUseVfo, I16, 6, 0, One())                          \
  X(HfUseVfo, I16, 8, 0, One())                          \
  X(HamUseVfo, I16, 10, 0, One())                        \
  X(WorkChannel, I16, 12, 0, Grid(17, 6, 1, 3, 2, 0))    \
  X(PublicParams, I16, 114, 0, Grid(3, 22, 0, 11, 2, 0)) \
  X(BtOn, I16, 180, 0, One())                            \
  X(PttHold, I16, 182, 0, One())                         \
  X(BtMicGain, I16, 184, 0, One())                       \
  X(BtSpkGain, I16, 186, 0, One())                       \
  X(HoldTime, I16, 188, 0, One())                        \
  X(HoldDelay, I16, 190, 0, One())                       \
  X(BtIntSpk, I16, 192, 0, One())                        \
  X(PttSleep, I16, 194, 0, One())                        \
  X(WxCurrentChannel, I16, 196, 0, One())                \
  X(WxEnable, I16, 198, 0, One())                        \
  X(WxAlert, I16, 200, 0, One())                         \
  X(WxScanState, I16, 202, 0, One())                     \
  X(WxVfo, I16, 204, 0, One())                           \
  X(WxStep, I16, 206, 0, One())                          \
  X(WxSql, I16, 208, 0, One())                           \
  X(WxInUse, I16, 212, 0, List(41, 20, 1))               \
  X(WxSpare2, I16, 214, 0, List(41, 20, 1))              \
  X(WxFrequency, F64, 216, 0, List(41, 20, 1))           \
  X(WxOnOff, I16, 224, 0, List(41, 20, 1))               \
  X(WxBandwidth, I16, 226, 0, List(41, 20, 1))           \
  X(WxScan, I16, 228, 0, List(41, 20, 1))                \
  X(WxSpare18, I16, 230, 0, List(41, 20, 1))             \
  X(GroupValid, I16, 1032, 0, Grid(17, 6, 1, 3, 2, 0))   \
  X(GroupName, Text, 1134, 2, Grid(17, 12, 1, 3, 4, 0))  \
  X(BatteryProtectMin, I16, 1542, 0, One())              \
  X(BatteryProtectMax, I16, 1544, 0, One())              \
  X(SwrProtectMax, I16, 1546, 0, One())                  \
  X(NrcAble, I16, 1548, 0, One())                        \
  X(RxNr, U8, 1550, 0, One())                            \
  X(TxNr, U8, 1551, 0, One())                            \
  X(Beep, I16, 1552, 0, One())                           \
  X(TxIndicator, I16, 1554, 0, One())                    \
  X(MicLevel, I16, 1556, 0, One())                       \
  X(TalkBack, I16, 1558, 0, One())                       \
  X(Tot, I16, 1560, 0, One())                            \
  X(SwrProtect, I16, 1562, 0, One())                     \
  X(BatteryProtect, I16, 1564, 0, One())                 \
  X(ScanType, I16, 1566, 0, One())                       \
  X(BacklightColour, I16, 1568, 0, One())                \
  X(Clarifier, I16, 1570, 0, One())                      \
  X(AsqLevel, I16, 1574, 0, One())                       \
  X(SquelchLevel, I16, 1576, 0, One())                   \
  X(VoxLevel, U8, 1580, 0, One())                        \
  X(VoxDelay, U8, 1581, 0, One())                        \
  X(SsbSplitRange, I16, 1582, 0, One())                  \
  X(TxRepeaterOffset, I32, 1584, 0, One())               \
  X(FreqChannelMode, I16, 1588, 0, One())                \
  X(MicType, U8, 1590, 0, One())                         \
  X(VolPath, U8, 1591, 0, One())                         \
  X(EchoVol, U8, 1592, 0, One())                         \
  X(EchoTime, U8, 1593, 0, One())                        \
  X(VfoStep, U8, 1594, 0, One())                         \
  X(CwFreq, U8, 1595, 0, One())                          \
  X(CwBeep, U8, 1596, 0, One())                          \
  X(Dim, U8, 1597, 0, One())                             \
  X(Agc, U8, 1598, 0, One())                             \
  X(Aop, I16, 1600, 0, One())                            \
  X(CwRxMode, I16, 1602, 0, One())                       \
  X(CwBreakIn, U8, 1604, 0, One())                       \
  X(CwOffset, U8, 1605, 0, One())                        \
  X(RfGain, U8, 1606, 0, One())                          \
  X(VolData, U8, 1607, 0, One())                         \
  X(AsqEnabled, I16, 1608, 0, One())                     \
  X(WorkMode, I16, 1612, 0, One())                       \
  X(VoxFunction, I16, 1614, 0, One())                    \
  X(ChannelMode, I16, 1616, 0, One())                    \
  X(DtmfSettings, I16, 1926, 0, List(6, 2, 0))           \
  X(DtmfCodes, Text, 1938, 16, List(16, 32, 1))          \
  X(FmDeviation, I16, 2450, 0, One())                    \
  X(SsbTone, I16, 2452, 0, One())                        \
  X(P1Key, I16, 2454, 0, One())                          \
  X(P2Key, I16, 2456, 0, One())                          \
  X(P3Key, I16, 2458, 0, One())                          \
  X(P4Key, I16, 2460, 0, One())                          \
  X(KeySetting2462, I16, 2462, 0, One())                 \
  X(SaveColour, I16, 2464, 0, One())                     \
  X(DisplaySetting2466, I16, 2466, 0, One())             \
  X(PowerOffDisplay, I16, 2468, 0, One())                \
  X(HandType, I16, 2470, 0, One())                       \
  X(PfKey, I16, 2472, 0, One())                          \
  X(BtDeviceName, Text, 2474, 16, One())
