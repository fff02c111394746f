#pragma once
// Every text the user sees, in English and Chinese: X(Id, English, Chinese).
// Grouped by the area of the program that shows it; add new texts to their area.
// "\r\n" is the line break of the radio program's messages.
// Not formatted: clang-format 14 counts some Chinese texts by their bytes and would
// push every line end of the table far past the column limit.
// clang-format off
#define ZQ_TEXTS(X)                                                                                          \
  /* ---- messages ---- */                                                                                   \
  X(AllDataCleared, "All data will be cleared.", "所有数据将被清空。")                                       \
  X(DataFile, "Data File", "数据文件")                                                                       \
  X(FileError, "file error.", "文件错误。")                                                                  \
  X(DiagnosticLogAt, "Diagnostic log: %1", "诊断日志：%1")                                                    \
  X(InterruptedSaveFinished,                                                                                \
    "The last save of %1 was interrupted; the pair was restored to the data of that save.",                \
    "上次保存 %1 时被中断；这对文件已恢复为那次保存的数据。")                                              \
  X(CannotOpenPort, "Cannot Open Communication Port.", "无法打开通信端口。")                                  \
  X(ReadConfirm, "Read data from radio.\r\nDo you wish continue?", "从对讲机读取数据。\r\n是否继续？")        \
  X(WriteConfirm, "Write data to radio.\r\nDo you wish continue?", "向对讲机写入数据。\r\n是否继续？")        \
  X(FileModified, "File has been modify,save it now?", "当前文件已被修改，是否现在保存？")                   \
  X(FileOverwrite, "file will be Overwrite,Continue?", "文件将被覆盖，是否继续？")                           \
  X(ReadCompleted, "Read Data Completed.", "读取数据完成。")                                                 \
  X(WriteCompleted, "Write Data Completed.", "写入数据完成。")                                               \
  X(ModelWrong, "Model type is wrong.", "机型类型错误。")                                                    \
  X(VersionWrong, "Version is wrong.", "版本错误。")                                                         \
  X(BandTypeWrong, "Frequency band type is wrong.", "频段类型错误。")                                        \
  X(BandTypeDiffers, "Frequency band type is no same,Use the radio Frequency band?(Yes or No)",             \
    "频段类型不同,使用对讲机的频段？")                                                                        \
  X(FirmwareVersionIs, "Firmware version is", "固件版本为")                                                  \
  X(ProgrammingVersionIs, "Programming software version is", "写频软件版本为")                               \
  X(DataFileVersionIs, "DataFile version is", "数据文件版本为")                                              \
  X(TestFrequencyMismatch,                                                                                   \
    "Test Frequency nismatch.\r\nExecute read data from radio\r\nor write to radio.",                        \
    "测试频率不匹配\r\n执行“从对讲机读取数据”\r\n或“向对讲机写入数据”。")                                      \
  X(FrequencyDataCleared, "Frequency data will be cleared.", "频率数据将被清除。")                           \
  X(OkButton, "&OK", "确定(&O)")                                                                             \
  X(CancelButton, "&Cancel", "取消(&C)")                                                                     \
  X(YesButton, "&Yes", "是(&Y)")                                                                             \
  X(NoButton, "&No", "否(&N)")                                                                               \
  X(Warning, "Warning", "警告")                                                                              \
  X(InvalidData, "Invalid Data", "无效数据")                                                                 \
  X(AllFrequenciesInRange, "All frequencys is in of range.", "所有频率正常。")                               \
  X(FrequencyOutOfRange, "Frequency is out of range.", "频率超出范围。")                                     \
  X(NotNumeric, "is not numeric.", "不是有效数据。")                                                         \
  X(SomeFrequenciesOutOfRange, "Some channel frequency is out of range.Automatically modify?",               \
    "部分信道频率超出范围。自动修改？")                                                                       \
  X(NotIsNumeric, "Not IsNumeric", "Not IsNumeric")                                                          \
  X(UnknownOs, "未知操作系统", "未知操作系统")                                                                \
  /* ---- versions and data files ---- */                                                                    \
  X(UnknownDataVersion, "Unknown version Of DataFile!", "未能识别的数据版本!")                               \
  X(ReleaseMissing, "Fail to start the software. This version does not exist.", "未能启动，不存在此版本软件！") \
  X(ProgramVersionLabel, "programming software is", "写频软件版本为")                                        \
  X(IncompatibleQuestion,                                                                                    \
    "incompatible version. It may cause unknown error.To start the corresponding software version, or not?", \
    "版本不兼容，有可能引起未知错误，是否启动对应版本软件？")                                                 \
  X(JsonMalformed, "The JSON text is not valid at byte", "JSON 文本无效，出错位置（字节）")                   \
  X(JsonTooDeep, "The JSON text nests lists and objects deeper than the allowed number of levels:",        \
    "JSON 文本中列表与对象的嵌套层数超过允许的层数：")                                                          \
  X(JsonUnknownMember, "Unknown member:", "未知成员：")                                                      \
  X(JsonMissingMember, "Missing member:", "缺少成员：")                                                      \
  X(JsonWrongType, "Wrong type or length of member:", "成员类型或长度错误：")                                \
  X(JsonOutOfRange, "Value out of range in member:", "成员数值超出范围：")                                   \
  X(JsonCountMismatch, "The channel list does not match ChannelCount:", "信道列表与信道数不符：")            \
  /* ---- radio link ---- */                                                                                 \
  X(NoResponse, "No response from the radio.", "对讲机无响应。")                                             \
  X(RadioPartlyWritten, "The radio may be partly written. Write it again before use.",                       \
    "对讲机可能只写入了部分数据，请重新写入后再使用。")                                                       \
  X(ReadProgressCaption, "Read data from radio", "从对讲机读取数据")                                         \
  X(WriteProgressCaption, "Write data to radio", "向对讲机写入数据")                                         \
  X(CompletionLabel, "Completion percentage:", "完成进度:")                                                  \
  X(PortMissing, "The device %1 does not exist.", "设备 %1 不存在。")                                        \
  X(PortBusy, "The device %1 is in use by another program.", "设备 %1 正被其他程序使用。")                   \
  X(PortNotPermitted, "No permission to open %1.", "没有打开 %1 的权限。")                                   \
  X(PortJoinGroup, "Add your user to the group %1 (sudo usermod -aG %1 $USER), then log in again.",          \
    "请把当前用户加入 %1 组（sudo usermod -aG %1 $USER），然后重新登录。")                                   \
  X(PortNotSerial, "%1 is not a serial device.", "%1 不是串行设备。")                                        \
  X(PortOtherError, "%1: %2", "%1：%2")                                                                      \
  X(PortUnknown, "%1 names no serial port.", "%1 不是串行端口的名称。")                                      \
  X(NoSerialPorts, "No serial port found.", "未找到串行端口。")                                              \
  X(PseudoTerminalFailed, "Cannot open a pseudo-terminal: %1", "无法打开伪终端：%1")                         \
  X(CliPortsHelp, "List the serial ports (COM<number> and device); pseudo-terminals are not listed",         \
    "列出串行端口（COM 编号及设备）；伪终端不会列出")                                                        \
  X(CliReadHelp, "Read the radio over its serial port", "通过串行端口读取对讲机")                            \
  X(CliWriteHelp, "Write to the radio over its serial port", "通过串行端口写入对讲机")                       \
  X(CliPortHelp, "Serial device of the radio: a path such as /dev/ttyUSB0, or COM<number>",                  \
    "对讲机的串行设备：路径（如 /dev/ttyUSB0）或 COM 编号")                                                  \
  X(CliTraceHelp, "Write every frame sent and received, with its time, to this file",                        \
    "将收发的每一帧连同时间写入此文件")                                                                      \
  X(CliVersionsHelp, "Version list for the firmware check (default: the Version.ini of this installation)",  \
    "用于检查固件版本的版本列表（默认：随本程序安装的 Version.ini）")                                      \
  X(CliLanguageHelp, "Language of the messages: 1 English, 2 Chinese (default: the program's)",              \
    "消息语言：1 英语，2 中文（默认：与程序相同）")                                                          \
  X(CliReadDataFileHelp, "Save what was read as this data file pair", "将读取的数据保存为此数据文件")        \
  X(CliReadImageHelp, "Save the raw memory image (139776 bytes) here",                                       \
    "将原始存储映像（139776 字节）保存到此处")                                                               \
  X(CliWriteImageHelp, "Write this raw memory image (139776 bytes)", "写入此原始存储映像（139776 字节）")    \
  X(SimHelp, "Simulated ZQ4071 radio on a pseudo-terminal; prints the device path to open",                  \
    "伪终端上的模拟 ZQ4071 对讲机；输出要打开的设备路径")                                                    \
  X(SimImageHelp, "Raw memory image (139776 bytes) the radio holds; default: all zero",                      \
    "对讲机保存的原始存储映像（139776 字节）；默认全为零")                                                   \
  X(SimSaveWrittenHelp, "After every write from the PC, save the radio's memory here (%n: its number in a series)", \
    "每次电脑写入后，将对讲机存储内容保存到此处（%n：其在批量中的序号）")                                      \
  X(SimModelHelp, "Model name the radio reports (7 characters)", "对讲机报告的机型名称（7 个字符）")         \
  X(SimNoHfHelp, "Report the radio as not HF-capable", "报告对讲机不支持 HF")                                \
  X(SimFirmwareHelp, "Firmware version the radio reports (4 characters)",                                    \
    "对讲机报告的固件版本（4 个字符）")                                                                      \
  X(SimSilentHelp, "Never answer", "从不应答")                                                               \
  X(SimDropHelp,                                                                                             \
    "Give no reply to frame N (N:K for K frames from N; with --series, N@R or N:K@R counts the frames of "   \
    "radio R, as every fault option does)",                                                                  \
    "不应答第 N 帧（N:K 表示从第 N 帧起共 K 帧；配合 --series 时，N@R 或 N:K@R 按第 R 台对讲机自己的帧计数，" \
    "其他故障参数同样如此）")                                                                                \
  X(SimCorruptHelp, "Corrupt the checksum of the reply to frame N (N:K)", "破坏第 N 帧应答的校验和（N:K）")  \
  X(SimWrongAddressHelp, "Name the next block in the data reply to frame N (N:K)",                           \
    "在第 N 帧的数据应答中使用下一块的地址（N:K）")                                                          \
  X(SimGarbageHelp, "Send noise bytes ahead of the reply to frame N (N:K)",                                  \
    "在第 N 帧的应答前发送干扰字节（N:K）")                                                                  \
  X(SimStopAfterHelp, "Answer N frames, then stay silent", "应答 N 帧后不再应答")                            \
  X(SimHangUpHelp, "Answer N frames, then close the pseudo-terminal and exit at the next one",               \
    "应答 N 帧后，在下一帧时关闭伪终端并退出")                                                               \
  X(SimBaudHelp, "Delay every reply by the time its bytes take on the wire at this rate",                    \
    "按此波特率下字节在线路上所需的时间延迟每个应答")                                                        \
  X(SimExitHelp, "Exit once the first transfer has ended", "第一次传输结束后退出")                           \
  X(SimFaultInvalid, "A fault takes N or N:K, optionally followed by @R, whole numbers from 1: %1",         \
    "故障参数须为 N 或 N:K，其后可加 @R，且均为从 1 开始的整数：%1")                                          \
  X(NoPortChosen, "No serial port is chosen: choose one under Setup > Communication Port.",                  \
    "尚未选择串行端口，请在“设置 > 通讯端口”中选择。")                                                       \
  /* ---- connection doctor ---- */                                                                          \
  X(DoctorAdapter, "Adapter", "适配器")                                                                        \
  X(DoctorUsbId, "USB id", "USB 标识")                                                                         \
  X(DoctorUsbIdValue, "%1:%2, release %3, USB %4", "%1:%2，版本 %3，USB %4")                                   \
  X(DoctorChip, "Chip", "芯片")                                                                                \
  X(DoctorChipUnknown, "not one of the common cable chips", "不在常见数据线芯片之列")                          \
  X(DoctorDriver, "Driver", "驱动程序")                                                                        \
  X(DoctorStableName, "Stable name", "固定名称")                                                               \
  X(DoctorKind, "Device", "设备")                                                                              \
  X(DoctorKindMissing, "does not exist", "不存在")                                                             \
  X(DoctorKindSerial, "serial port", "串行端口")                                                               \
  X(DoctorKindNotSerial, "not a serial port", "不是串行端口")                                                  \
  X(DoctorAccess, "Access", "访问权限")                                                                        \
  X(DoctorMayOpen, "this user may open it", "当前用户可以打开")                                                \
  X(DoctorMayNotOpen, "this user may not open it", "当前用户无权打开")                                         \
  X(DoctorGroupMember, "group %1: a member", "%1 组：已是成员")                                                \
  X(DoctorGroupNotMember, "group %1: not a member", "%1 组：不是成员")                                         \
  X(DoctorGroupAfterLogin, "group %1: added, counts from the next login", "%1 组：已加入，下次登录后生效")    \
  X(DoctorUaccessTagged, "udev uaccess: tagged", "udev uaccess：已标记")                                       \
  X(DoctorUaccessNotTagged, "udev uaccess: not tagged", "udev uaccess：未标记")                                \
  X(DoctorRuleInstalled, "the program's udev rule is installed", "本程序的 udev 规则已安装")                   \
  X(DoctorRuleNotInstalled, "the program's udev rule is not installed", "本程序的 udev 规则未安装")           \
  X(DoctorHolders, "Held by", "占用者")                                                                        \
  X(DoctorHolderValue, "%1 (process %2)", "%1（进程 %2）")                                                     \
  X(DoctorPtyServer, "Pseudo-terminal served by", "伪终端的另一端")                                            \
  X(DoctorHeldByNone, "no process the system names", "系统未指出任何进程")                                     \
  X(DoctorHeldUnnamed, "another program (the system does not say which)", "其他程序（系统未指出是哪个）")    \
  X(DoctorModemManager, "ModemManager", "ModemManager")                                                        \
  X(DoctorModemManagerOff, "not running", "未运行")                                                            \
  X(DoctorModemManagerIgnores, "running; leaves this device alone", "正在运行；不会探测此设备")                \
  X(DoctorModemManagerMayProbe, "running; may probe this device", "正在运行；可能探测此设备")                  \
  X(DoctorSystemProblem, "Device manager", "设备管理器")                                                       \
  X(DoctorSystemProblemValue, "problem code %1", "问题代码 %1")                                                \
  X(DoctorProblem, "Problem", "问题")                                                                          \
  X(DoctorRemedy, "Remedy", "解决办法")                                                                        \
  X(DoctorNoProblem, "No problem found.", "未发现问题。")                                                      \
  X(DoctorMissingRemedy, "Plug the cable in, or choose one of the ports the connection check lists.",          \
    "请插好数据线，或选择连接检查列出的端口之一。")                                                            \
  X(DoctorNotSerialRemedy, "Choose the serial port of the programming cable instead.",                         \
    "请改为选择写频数据线的串行端口。")                                                                        \
  X(DoctorLogInAgain, "Log out and in again: the group %1 counts only from the next login.",                   \
    "请注销后重新登录：%1 组在下次登录后才生效。")                                                              \
  X(DoctorAskForRule,                                                                                           \
    "Ask the administrator to install the udev rule /usr/share/zq4071/udev/70-zq4071-serial-cables.rules or to give you access to the device.", \
    "请管理员安装 udev 规则 /usr/share/zq4071/udev/70-zq4071-serial-cables.rules，或授予您此设备的访问权限。") \
  X(DoctorHeldBy, "%1 is held by %2 (process %3).", "%1 正被 %2（进程 %3）占用。")                                                    \
  X(DoctorCloseHolder, "Close %1 or make it let go of the port, then check again.",                            \
    "请关闭 %1 或让其释放此端口，然后再次检查。")                                                              \
  X(DoctorCloseOther, "Close the program that uses the port (a terminal program, another programming program), then check again.", \
    "请关闭使用此端口的程序（终端程序、其他写频程序），然后再次检查。")                                        \
  X(DoctorModemManagerProbes, "ModemManager is running and may probe %1 with modem commands.",                 \
    "ModemManager 正在运行，可能向 %1 发送调制解调器命令进行探测。")                                           \
  X(DoctorStopModemManager,                                                                                     \
    "Install the program's udev rule, which tells ModemManager to leave the cable alone, or stop it while programming (sudo systemctl stop ModemManager).", \
    "请安装本程序的 udev 规则（它让 ModemManager 不再探测数据线），或在写频时停止它（sudo systemctl stop ModemManager）。") \
  X(DoctorRefusedRevision,                                                                                      \
    "The adapter's chip reports itself as a %1 %2, an end-of-life revision that counterfeit chips also report; current Windows drivers refuse it.", \
    "适配器芯片自报为 %1 %2，这是已停产的版本，仿冒芯片也报告此版本；当前的 Windows 驱动程序拒绝使用它。")    \
  X(DoctorReplaceCable,                                                                                         \
    "Use a cable with a current chip (FTDI, Silicon Labs CP210x, WCH CH340 or a Prolific PL2303 of the G series).", \
    "请使用采用现行芯片的数据线（FTDI、Silicon Labs CP210x、WCH CH340 或 Prolific PL2303 G 系列）。")           \
  X(DoctorNoDriver, "The system has no driver for %1.", "系统没有 %1 的驱动程序。")                            \
  X(DoctorInstallDriver, "Install the driver of the chip's maker (%1), then plug the cable in again.",         \
    "请安装芯片制造商（%1）的驱动程序，然后重新插入数据线。")                                                  \
  X(DoctorUnknownMaker, "the adapter's maker", "适配器制造商")                                                 \
  X(DoctorDeviceProblem, "The system reports problem code %1 for %2.", "系统报告 %2 的问题代码为 %1。")        \
  X(DoctorReplug, "Unplug the cable and plug it in again; reinstall its driver if the problem stays.",         \
    "请拔下数据线再重新插入；如问题仍在，请重新安装其驱动程序。")                                              \
  X(DoctorOtherRemedy, "Unplug the cable and plug it in again, then check again.",                             \
    "请拔下数据线再重新插入，然后再次检查。")                                                                  \
  X(DoctorHandshake, "Handshake", "握手")                                                                      \
  X(DoctorHandshakeSkipped, "not tried: the problems above stand in its way", "未尝试：上述问题妨碍握手")     \
  X(DoctorRadio, "Radio", "对讲机")                                                                            \
  X(DoctorRadioValue, "%1, firmware %2", "%1，固件 %2")                                                        \
  X(DoctorRadioHf, "%1, firmware %2, HF and HAM bands", "%1，固件 %2，支持 HF 与 HAM 频段")                     \
  X(DoctorReplyTime, "Reply time", "应答时间")                                                                 \
  X(DoctorReplyTimeValue, "greeting %1 ms, identity %2 ms", "握手 %1 毫秒，身份 %2 毫秒")                       \
  X(DoctorPortWorks, "The port works: the radio answered and is one this program programs.",                  \
    "端口正常：对讲机已应答，且是本程序支持的机型。")                                                          \
  X(DoctorNoReply, "No reply from the radio to the greeting, sent %1 times.", "对讲机对握手无应答（已发送 %1 次）。") \
  X(DoctorCheckRadio, "Switch the radio on and check that the cable sits firmly in the radio's programming socket and in this port.", \
    "请打开对讲机电源，并检查数据线是否插牢在对讲机的写频插口和此端口上。")                                    \
  X(DoctorNoIdentity, "The radio acknowledged the greeting but did not answer the identity request.",          \
    "对讲机确认了握手，但未应答身份请求。")                                                                    \
  X(DoctorRestartRadio, "Switch the radio off and on again, then check again.", "请关闭对讲机再重新打开，然后再次检查。") \
  X(DoctorGarbage, "Unreadable bytes came back instead of the reply: %1.", "收到的不是应答，而是无法识别的字节：%1。")                       \
  X(DoctorCheckCable,                                                                                           \
    "Check the cable: a loose plug, a cable made for another radio or another device on this port garbles the line.", \
    "请检查数据线：插头松动、其他对讲机的数据线或此端口上的其他设备都会使线路数据混乱。")                      \
  X(DoctorWrongModel, "The radio answers as model %1, not %2.", "对讲机应答的机型为 %1，而不是 %2。")          \
  X(DoctorUseModel, "Connect a %1 radio: this program programs no other model.", "请连接 %1 对讲机：本程序不支持其他机型。") \
  X(DoctorIncompatible, "The radio's firmware %1 belongs to another release of this program.",                 \
    "对讲机固件 %1 属于本程序的其他版本。")                                                                    \
  X(DoctorUseRelease, "Program this radio with the release of this program made for firmware %1.",             \
    "请使用为固件 %1 制作的本程序版本为此对讲机写频。")                                                        \
  X(CliDoctorHelp,                                                                                              \
    "Check the serial ports: every device and what stands in its way, or with --port one port and a handshake with the radio (nothing is written)", \
    "检查串行端口：列出每个设备及其问题；使用 --port 时检查一个端口并与对讲机握手（不写入任何数据）")          \
  X(CliDoctorPortHelp, "The port to check and greet the radio on (device path or COM<number>)",                 \
    "要检查并与对讲机握手的端口（设备路径或 COM<编号>）")                                                      \
  X(MenuCheckConnection, "Check &Connection...", "检查连接(&C)...")                                             \
  X(DoctorDevices, "Serial devices", "串行设备")                                                                \
  X(DoctorCheckButton, "&Greet the Radio", "与对讲机握手(&G)")                                                  \
  X(DoctorRefreshButton, "&Refresh", "刷新(&R)")                                                                \
  X(DoctorResult, "Handshake with the radio", "与对讲机握手")                                                   \
  X(DoctorChoosePort, "Choose a device, then greet the radio on it: nothing is read or written.",               \
    "请选择设备，然后与其上的对讲机握手：不读取也不写入任何数据。")                                            \
  X(DoctorChecking, "Greeting the radio on %1...", "正在与 %1 上的对讲机握手...")                               \
  /* ---- main window ---- */                                                                                \
  X(FileNameLabel, "File Name", "文件名")                                                                    \
  X(PortWindowCaption, "Communication Port", "通信端口")                                                     \
  X(PortLabel, "COM", "通信口")                                                                              \
  X(LanguageWindowCaption, "Language Setup", "语言设置")                                                     \
  X(LanguageModeLabel, "Language Mode", "语言模式")                                                          \
  X(LanguageNameEnglish, "English", "英语")                                                                  \
  X(LanguageNameChinese, "Chinese", "中文")                                                                  \
  X(CloseButton, "&Close", "关闭(&C)")                                                                       \
  X(PrintButton, "&Print", "打印(&P)")                                                                       \
  X(HelpButton, "&Help", "帮助(&H)")                                                                         \
  X(ModelTypeLabel, "Model Type", "机型")                                                                    \
  X(FrequencyLabel, "Frequency", "频率")                                                                     \
  X(ModelInformationLabel, "Model Information", "机型信息")                                                  \
  X(VersionPrefix, "Version ", "版本 ")                                                                      \
  X(MenuFile, "&File", "文件&F")                                                                             \
  X(MenuNew, "&New", "新建(&N)")                                                                             \
  X(MenuOpen, "&Open", "打开(&O)")                                                                           \
  X(MenuSave, "&Save", "保存(&S)")                                                                           \
  X(MenuSaveAs, "Save &As", "另存为(&A)")                                                                    \
  X(MenuPrint, "&Print", "打印(&P)")                                                                         \
  X(MenuExit, "E&xit", "退出(&X)")                                                                           \
  X(MenuModel, "&Model", "机型(&M)")                                                                         \
  X(MenuModelInformation, "&Model Information", "机型信息(&M)")                                              \
  X(MenuBand, "&Band", "频段(&B)")                                                                           \
  X(MenuCheckRadioBand, "Check Radio &Band", "检查机器频段(&B)")                                             \
  X(MenuCheckAllFrequency, "Check All Channel &Frequency", "有效频率检测(&F)")                               \
  X(MenuEdit, "&Edit", "编辑(&E)")                                                                           \
  X(MenuChannelInformation, "&Channel Information", "信道信息(&C)")                                          \
  X(MenuOptionFeatures, "&Option Features", "可选功能(&O)")                                                  \
  X(MenuRogerBeep, "&Roger Beep", "RB音(&R)")                                                                \
  X(MenuKeyAssignment, "&Key Assignment", "键设置(&K)")                                                      \
  X(MenuScanInformation, "&Scan Information", "扫描信息(&S)")                                                \
  X(MenuDtmf, "&DTMF", "DTMF(双音多频)(&D)")                                                                 \
  X(MenuFleetSync, "&Fleet Sync", "Fleet Sync(队列同步)(&F)")                                                \
  X(MenuTestFrequency, "&Test FreQuence", "测试频率(&T)")                                                    \
  X(MenuLocalInformation, "Local &Information", "本机信息(&I)")                                              \
  X(MenuEmbeddedMessage, "Embedded &Message", "嵌入信息(&M)")                                                \
  X(MenuProgram, "&Program", "编程(&P)")                                                                     \
  X(MenuReadFromRadio, "&Read from Radio", "从对讲机读取数据(&R)")                                           \
  X(MenuWriteToRadio, "&Write to Radio", "向对讲机写入数据(&W)")                                             \
  X(MenuWriteToGroup, "Write to &Group of Radios", "成批向对讲机写入数据(&G)")                               \
  X(MenuTestMode, "&Test Mode", "测试模式(&T)")                                                              \
  X(MenuTools, "&Tools", "工具(&T)")                                                                         \
  X(MenuRadioInformation, "&Radio Information", "对讲机信息(&R)")                                            \
  X(MenuSetRadioInformation, "&Set Radio Information", "设置对讲机信息(&S)")                                 \
  X(MenuSetup, "&Setup", "设置(&S)")                                                                         \
  X(MenuCommunicationPort, "&Communication Port", "通讯端口(&C)")                                            \
  X(MenuLanguageSetup, "&Language Setup", "语言设置(&L)")                                                    \
  X(MenuInitialSetting, "&Initial Setting", "初始化设置(&I)")                                                \
  X(MenuView, "&View", "视图(&V)")                                                                           \
  X(MenuTreeView, "Tree &View", "树视图(&V)")                                                                \
  X(MenuToolbar, "&Toolbar", "工具栏(&T)")                                                                   \
  X(MenuStatusBar, "&Status Bar", "状态栏(&S)")                                                              \
  X(MenuWindow, "&Window", "窗口(&W)")                                                                       \
  X(MenuCascade, "&Cascade", "层叠(&C)")                                                                     \
  X(MenuTileVertically, "Tile Windows &Vertically", "纵向平铺窗口(&V)")                                      \
  X(MenuTileHorizontally, "Tile Windows &Horizontally", "横向平铺窗口(&H)")                                  \
  X(MenuArrangeIcons, "&Arrange Icons", "排列图标(&A)")                                                      \
  X(MenuCloseAllWindows, "Close All &Windows", "关闭所有窗口(&W)")                                           \
  X(MenuHelp, "&Help", "帮助(&H)")                                                                           \
  X(MenuHelpTopics, "&Help topics", "帮助主题(&H)")                                                          \
  X(MenuAbout, "&About ZQ4071", "关于 ZQ4071(&A)")                                                           \
  X(DemoRadioName, " (simulated radio)", "（模拟对讲机）")                                                  \
  X(DemoPortEntry, "Simulated radio (demonstration)", "模拟对讲机（演示）")                                  \
  X(DemoStatus, "Demonstration: the radio is simulated", "演示模式：对讲机为模拟")                            \
  X(TreeRogerBeep, "Roger Beep", "RB音")                                                                     \
  X(TreeEmergency, "Emg Channel Setting", "紧急信道设置")                                                    \
  X(TreeDualWatch, "DW Channel Setting", "双守信道设置")                                                     \
  X(TreeMemory, "MEM Channel Setting", "存储信道设置")                                                       \
  X(TreeWeather, "Weather Channel", "气象信道")                                                              \
  X(MenuUndo, "&Undo", "撤销(&U)")                                                                           \
  X(MenuRedo, "Re&do", "重做(&D)")                                                                           \
  X(UndoNamed, "&Undo: %1", "撤销：%1(&U)") \
  X(RedoNamed, "Re&do: %1", "重做：%1(&D)") \
  X(StepChannelField, "%1 of %2", "%2 的%1") \
  X(StepChannelPlace, "%1 channel %2", "%1 信道 %2") \
  X(StepChannels, "channels of %1", "%1 的信道") \
  X(StepFrequency, "frequency", "频率") \
  X(StepUnsavedChoices, "choices not saved in %1", "%1 中未保存的选择") \
  X(RedoDropsChoices, "The choices not saved in %1 will be lost. Redo anyway?", "%1 中未保存的选择将会丢失。仍要重做吗？") \
  X(PortFirstStartHint, "No port chosen yet: choose the radio's port, or the simulated radio to try the program, in Setup > Communication Port.", "尚未选择端口：请在“设置 > 通讯端口”中选择对讲机的端口，或选择模拟对讲机试用本程序。") \
  X(PortDeviceMissing, "%1 does not exist.", "%1 不存在。") \
  X(NoCbMemories, "no CB memories", "没有 CB 存储信道") \
  X(ImageWrongSize, "not a memory image: %1 bytes, %2 expected", "不是存储器映像：%1 字节，应为 %2 字节") \
  X(PublicFollowsSwitch, "Follows the band's PUBLIC switch in Option Features (switch \"Off\" shows \"On\" here).", "跟随选项功能中本频段的 PUBLIC 开关（开关为“关”时此处显示“开”）。") \
  /* ---- channel editor ---- */                                                                             \
  X(BandEntryCb, "CB -- 26.96500 - 27.405 MHz", "CB -- 26.96500 - 27.405 MHz")                             \
  X(BandEntryHf, "HF -- 24.7150 - 30.1050 MHz", "HF -- 24.7150 - 30.1050 MHz")                               \
  X(BandEntryHam, "HAM -- 28.0000 - 29.7000 MHz", "HAM -- 28.0000 - 29.7000 MHz")                            \
  X(ChoiceOff, "Off", "关")                                                                                  \
  X(ToneTypeCtcss, "CTCSS", "CTCSS")                                                                         \
  X(ToneTypeDcs, "DCS", "DCS")                                                                               \
  X(ChannelWindowCaption, "Channel Information", "信道信息")                                                 \
  X(BandLabel, "Band", "频段")                                                                               \
  X(GroupLabel, "Group", "组")                                                                               \
  X(GroupValidLabel, "Group Valid", "组有效")                                                                \
  X(GroupNameLabel, "Group Name", "组名称")                                                                  \
  X(SettingsGroupName, "Group whose settings are edited", "编辑设置的组")                                       \
  X(OptBandTabs, "Band settings and Bluetooth", "各波段设置与蓝牙")                                              \
  X(WorkGroupLabel, "Work Group", "工作组")                                                                  \
  X(WorkChannelLabel, "Current Work Channel", "当前工作信道")                                                \
  X(GroupMemName, "MEM", "MEM")                                                                              \
  X(GroupVfoName, "VFO", "VFO")                                                                              \
  X(GridHeaderChannel, "CH No.", "信道")                                                                     \
  X(DetailCaption, "More Information -- CH ", "详细信息 -- 信道 ")                                           \
  X(RepAdd, "Add", "Add")                                                                                    \
  X(RepSubb, "SUBB", "SUBB")                                                                                 \
  X(NbChoice, "NB", "NB")                                                                                    \
  X(AnlChoice, "ANL", "ANL")                                                                                 \
  X(NbAnlText, "NB/ANL", "NB/ANL")                                                                           \
  X(ModePa, "PA", "PA")                                                                                      \
  X(PowerLow, "Low", "Low")                                                                                  \
  X(PowerMid, "Mid", "Mid")                                                                                  \
  X(PowerHigh, "High", "High")                                                                               \
  X(DetailBusy, "BUSY", "BUSY")                                                                              \
  X(DetailRep, "REP", "REP")                                                                                 \
  X(DetailRxCtc, "RXCTC", "RXCTC")                                                                           \
  X(DetailTxCtc, "TXCTC", "TXCTC")                                                                           \
  X(DetailToneCode, "CTC/DCS", "CTC/DCS")                                                                    \
  X(DetailScan, "Scan", "扫描")                                                                              \
  X(DetailPublic, "Public", "Public")                                                                        \
  X(DetailBot, "BOT", "BOT")                                                                                 \
  X(DetailEot, "EOT", "EOT")                                                                                 \
  X(DetailCall, "Call", "Call")                                                                              \
  X(DetailHiCut, "HI-CUT", "HI-CUT")                                                                         \
  X(DetailEcho, "ECHO", "ECHO")                                                                              \
  X(DetailAdd10K, "+10KHz", "+10KHz")                                                                        \
  X(DetailRoger, "Roger", "Roger")                                                                           \
  X(DetailMode, "Mode", "Mode")                                                                              \
  X(DetailPower, "Power", "Power")                                                                           \
  X(DetailCbMemChannel, "CB Mem Chan ID", "CB Mem Chan ID")                                                  \
  X(DetailCbMemBand, "CB Mem Band", "CB Mem Band")                                                           \
  X(RowCopy, "Copy", "复制")                                                                                 \
  X(RowCut, "Cut", "剪切")                                                                                   \
  X(RowPaste, "Paste", "粘贴")                                                                               \
  X(RowInsertPaste, "Insert&Paste", "插入并粘贴")                                                            \
  X(RowDelete, "Delete", "删除")                                                                             \
  /* ---- option features, DTMF, roger beep ---- */                                                          \
  X(OptOFF, "OFF", "关")                                                                                      \
  X(OptON, "ON", "开")                                                                                        \
  X(OptOffSame, "Off", "Off")                                                                                 \
  X(OptOnSame, "On", "On")                                                                                    \
  X(UnitS, "s", "s")                                                                                          \
  X(UnitCapS, "S", "S")                                                                                       \
  X(UnitMs, "ms", "ms")                                                                                       \
  X(UnitDb, "db", "db")                                                                                       \
  X(UnitMin, " min", " min")                                                                                  \
  X(OptCaption, "Optional Features", "可选功能")                                                              \
  X(OptTot, "TOT", "TOT")                                                                                     \
  X(OptMic, "MIC", "MIC")                                                                                     \
  X(OptAsqLevel, "ASQ Level", "ASQ等级")                                                                      \
  X(OptTalkBack, "TaIK Back", "TaIK Back")                                                                    \
  X(OptScanType, "SCN.TYPE", "SCN.TYPE")                                                                      \
  X(OptSql, "SQL", "SQL")                                                                                     \
  X(OptSsbSplit, "SSB Split Range", "SSB Split Range")                                                        \
  X(OptClarifier, "CLA.SET", "CLA.SET")                                                                       \
  X(OptTxRep, "TX.REP", "TX.REP")                                                                             \
  X(OptMhz, "MHz", "MHz")                                                                                     \
  X(OptVfoStep, "VFO Step", "VFO步进")                                                                        \
  X(OptVoxLevel, "VOX Level", "声控等级")                                                                     \
  X(OptVoxDelay, "VOX Delay", "声控延时")                                                                     \
  X(OptRfGain, "Rfg Gain", "Rfg Gain")                                                                        \
  X(OptMicType, "MicType", "MIC类型")                                                                         \
  X(OptRxNr, "Rx NR", "接收NR")                                                                               \
  X(OptTxNr, "Tx NR", "发射NR")                                                                               \
  X(OptDim, "Dim", "Dim")                                                                                     \
  X(OptEchoVol, "Echo VOL", "Echo VOL")                                                                       \
  X(OptEchoTime, "Echo Time", "Echo Time")                                                                    \
  X(OptVolData, "Vol Data", "Vol Data")                                                                       \
  X(OptCwFreq, "CW Freq", "CW Freq")                                                                          \
  X(OptCwBeep, "CW BEEP", "CW BEEP")                                                                          \
  X(OptCwRxMode, "CW RX Mode", "CW RX Mode")                                                                  \
  X(OptCwBkin, "Cw Bkin", "Cw Bkin")                                                                          \
  X(OptCwOffset, "Cw OffSet", "Cw OffSet")                                                                    \
  X(OptBtName, "BT Device Name", "BT Device Name")                                                            \
  X(OptChVolKind, "Ch Vol Kind", "Ch Vol Kind")                                                               \
  X(OptSquelchScan, "Squelch Scan", "静噪扫描")                                                               \
  X(OptTimeScan, "Time Scan", "时间扫描")                                                                     \
  X(Opt500Hz, "500Hz", "500Hz")                                                                               \
  X(Opt5kHz, "5kHz", "5kHz")                                                                                  \
  X(OptClaR, "R", "R")                                                                                        \
  X(OptClaT, "T", "T")                                                                                        \
  X(OptClaRT, "RT", "RT")                                                                                     \
  X(OptStep10Hz, "10Hz", "10Hz")                                                                              \
  X(OptStep100Hz, "100Hz", "100Hz")                                                                           \
  X(OptStep1K, "1K", "1K")                                                                                    \
  X(OptStep5K, "5K", "5K")                                                                                    \
  X(OptStep10K, "10K", "10K")                                                                                 \
  X(OptStep100K, "100K", "100K")                                                                              \
  X(OptStep1M, "1M", "1M")                                                                                    \
  X(OptRfMax, "Max", "Max")                                                                                   \
  X(OptRfAuto, "Auto", "Auto")                                                                                \
  X(OptMicEl, "EL", "EL")                                                                                     \
  X(OptMicDy, "DY", "DY")                                                                                     \
  X(OptCh, "CH", "CH")                                                                                        \
  X(OptVol, "VOL", "VOL")                                                                                     \
  X(OptBeep, "Beep", "提示音")                                                                                \
  X(OptFmDeviation, "FM Deviation", "FM调制范围")                                                             \
  X(OptSsbTone, "SSB Tone", "SSB调制范围")                                                                    \
  X(OptAgc, "AGC", "AGC")                                                                                     \
  X(OptAop, "AOP", "AOP")                                                                                     \
  X(OptHandType, "Hand Type", "Hand Type")                                                                    \
  X(OptPfKey, "Pf Key", "Pf Key")                                                                             \
  X(OptP1, "P1", "P1")                                                                                        \
  X(OptP2, "P2", "P2")                                                                                        \
  X(OptP3, "P3", "P3")                                                                                        \
  X(OptP4, "P4", "P4")                                                                                        \
  X(OptSaveColour, "Save Colour", "Save Colour")                                                              \
  X(OptPowerOffDis, "Power Off Dis", "Power Off Dis")                                                         \
  X(OptHfUseVfo, "Hf Use Vfo", "Hf Use Vfo")                                                                  \
  X(OptHamUseVfo, "Ham Use Vfo", "Ham Use Vfo")                                                               \
  X(OptSwrProtect, "SWR Protect", "驻波保护")                                                                 \
  X(OptSwrMax, "Max", "Max")                                                                                  \
  X(OptBatteryProtect, "TDC.SET", "电池电压保护")                                                             \
  X(OptBatteryMin, "Min[V]", "Min[V]")                                                                        \
  X(OptBatteryMax, "Max[V]", "Max[V]")                                                                        \
  X(OptModeEnable, "Mode Enable", "Mode Enable")                                                              \
  X(OptFmEnable, "FM Enable", "FM Enable")                                                                    \
  X(OptAmEnable, "AM Enable", "AM Enable")                                                                    \
  X(OptUsbEnable, "USB Enable", "USB Enable")                                                                 \
  X(OptLsbEnable, "LSB Enable", "LSB Enable")                                                                 \
  X(OptPaEnable, "PA Enable", "PA Enable")                                                                    \
  X(OptCwEnable, "CW Enable", "CW Enable")                                                                    \
  X(Opt2K, "2K", "2K")                                                                                        \
  X(Opt4K, "4K", "4K")                                                                                        \
  X(OptHi4k, "HI-4k", "HI-4k")                                                                                \
  X(OptLi3K, "LI-3K", "LI-3K")                                                                                \
  X(OptSlow, "SLOW", "SLOW")                                                                                  \
  X(OptFast, "FAST", "FAST")                                                                                  \
  X(OptType1, "Type 1", "Type 1")                                                                             \
  X(OptType2, "Type 2", "Type 2")                                                                             \
  X(OptType3, "Type 3", "Type 3")                                                                             \
  X(OptWhite, "White", "White")                                                                               \
  X(OptYellow, "Yellow", "Yellow")                                                                            \
  X(OptRed, "Red", "Red")                                                                                     \
  X(OptGreen, "Green", "Green")                                                                               \
  X(OptCyan, "Cyan", "Cyan")                                                                                  \
  X(OptClock, "Clock", "Clock")                                                                               \
  X(KeyOff, "Off", "Off")                                                                                     \
  X(KeyVox, "VOX", "VOX")                                                                                     \
  X(KeyVfo, "VFO", "VFO")                                                                                     \
  X(KeyNbAnl, "NB.ANL", "NB.ANL")                                                                             \
  X(Key10K, "10K", "10K")                                                                                     \
  X(KeyEcho, "ECHO", "ECHO")                                                                                  \
  X(KeyHiCut, "HI-CUT", "HI-CUT")                                                                             \
  X(KeyCall, "CALL", "CALL")                                                                                  \
  X(KeyCtDc, "CT-DC", "CT-DC")                                                                                \
  X(KeyAsq, "ASQ", "ASQ")                                                                                     \
  X(KeyMicGain, "MIC.GAIN", "MIC.GAIN")                                                                       \
  X(KeyRxNr, "RXNR", "RXNR")                                                                                  \
  X(KeyTxNr, "TXNR", "TXNR")                                                                                  \
  X(KeyFmDev, "FM.DEV", "FM.DEV")                                                                             \
  X(KeyTone, "TONE", "TONE")                                                                                  \
  X(KeyAgcSet, "AGC.SET", "AGC.SET")                                                                          \
  X(KeyScan, "Scan", "Scan")                                                                                  \
  X(KeyWxSet, "WX SET", "WX SET")                                                                             \
  X(KeyModeSet, "MODE SET", "MODE SET")                                                                       \
  X(OptBle, "BLE", "BLE")                                                                                     \
  X(OptBtOn, "BlueTooth On", "BlueTooth On")                                                                  \
  X(OptPttHold, "Ptt Hold", "Ptt Hold")                                                                       \
  X(OptBtMicGain, "Mic Gain", "Mic Gain")                                                                     \
  X(OptBtSpkGain, "Spk Gain", "Spk Gain")                                                                     \
  X(OptHoldTime, "Hold Time", "Hold Time")                                                                    \
  X(OptHoldDelay, "Hold Delay", "Hold Delay")                                                                 \
  X(OptBtIntSpk, "BhtIntSpk", "BhtIntSpk")                                                                    \
  X(OptPttSleep, "Ptt Sleep", "Ptt Sleep")                                                                    \
  X(OptInfinite, "Infinite", "Infinite")                                                                      \
  X(Opt30ms, "30ms", "30ms")                                                                                  \
  X(OptInfinity, "Infinity", "Infinity")                                                                      \
  X(PubChanRb, "Chan Rb", "Chan Rb")                                                                          \
  X(PubCall, "CALL", "CALL")                                                                                  \
  X(PubFrameCb, "CB Public", "CB 公共信道设置")                                                               \
  X(PubFrameHf, "HF Public", "HF 公共信道设置")                                                               \
  X(PubFrameHam, "HAM Public", "HAM 公共信道设置")                                                            \
  X(PubSwitchCb, "CB PUBLIC", "CB PUBLIC")                                                                    \
  X(PubSwitchHf, "HF PUBLIC", "HF PUBLIC")                                                                    \
  X(PubSwitchHam, "HAM PUBLIC", "HAM PUBLIC")                                                                 \
  X(DtmfCaption, "DTMF", "DTMF(双音多频)")                                                                    \
  X(DtmfSendTime, "DTMF Send Time[ms]", "DTMF 发送时间[毫秒]")                                                \
  X(DtmfFirstDigitTime, "First Digit Time[ms]", "首位数码时间[毫秒]")                                         \
  X(DtmfFirstDigitDelay, "First Digit Delay[ms]", "首位数码延迟[毫秒]")                                       \
  X(DtmfStarHashTone, "* and # Tone[ms]", "*和#音[毫秒]")                                                     \
  X(DtmfDCode, "D Code Assignment", "D键设定")                                                                \
  X(DtmfDCodeOff, "Off", "D 码")                                                                              \
  X(DtmfSeconds, "s", "秒")                                                                                   \
  X(DtmfDisplay, "DTMF DISP", "DTMF 显示")                                                                    \
  X(DtmfAutodial, "Autodial Memory", "自动拨号存储器")                                                        \
  X(DtmfNumber, "No.", "编号")                                                                                \
  X(RbTab, "RB Tone", "RB音")                                                                                 \
  X(RbRecycle, "Recycle Times", "循环次数")                                                                   \
  X(RbInterTime, "Inter Time[ms]", "间隔时间[ms]")                                                            \
  X(RbFrequency, "Frequency[Hz]", "频率[Hz]")                                                                 \
  X(RbToneLong, "Tone Long[ms]", "音长[ms]")                                                                  \
  X(RbPlay, "&Play", "播放(&P)")                                                                              \
  X(RbStop, "&Stop", "停止(&S)")                                                                              \
  X(RbNone, "None", "无")                                                                                     \
  X(RbTone1, "First Tone", "第一个音")                                                                        \
  X(RbTone2, "Second Tone", "第二个音")                                                                       \
  X(RbTone3, "Third Tone", "第三个音")                                                                        \
  X(RbTone4, "Fourth Tone", "第四个音")                                                                       \
  X(RbTone5, "Fifth Tone", "第五个音")                                                                        \
  X(RbTone6, "Sixth Tone", "第六个音")                                                                        \
  X(RbTone7, "Seventh Tone", "第七个音")                                                                      \
  X(RbTone8, "Eighth Tone", "第八个音")                                                                       \
  X(RbTone9, "Ninth Tone", "第九个音")                                                                        \
  X(RbTone10, "Tenth Tone", "第十个音")                                                                       \
  X(RbTone11, "Eleventh Tone", "第十一个音")                                                                  \
  X(RbTone12, "Twelfth Tone", "第十二个音")                                                                   \
  X(RbTone13, "Thirteenth Tone", "第十三个音")                                                                \
  X(RbTone14, "Fourteenth Tone", "第十四个音")                                                                \
  /* ---- special and weather channels ---- */                                                               \
  X(ChoiceOn, "On", "开")                                                                                    \
  X(ModeFm, "FM", "FM")                                                                                      \
  X(ModeAm, "AM", "AM")                                                                                      \
  X(ModeUsb, "USB", "USB")                                                                                   \
  X(ModeLsb, "LSB", "LSB")                                                                                   \
  X(ModeCw, "CW", "CW")                                                                                      \
  X(SaveButton, "Save", "保存")                                                                              \
  X(CbBandFrame, "CB Band", "CB 频段")                                                                       \
  X(HfBandFrame, "HF Band", "HF 频段")                                                                       \
  X(HamBandFrame, "HAM Band", "HAM 频段")                                                                    \
  X(EmgChannel1, " Emg Channel 1", " 紧急信道 1")                                                            \
  X(EmgChannel2, " Emg Channel 2", " 紧急信道 2")                                                            \
  X(EmgChannel1WorkMode, " Emg Channel 1 Work Mode", " 紧急信道 1 工作模式")                                 \
  X(EmgChannel2WorkMode, " Emg Channel 2 Work Mode", " 紧急信道 2 工作模式")                                 \
  X(EmgBand1, " Emg Band 1", " 紧急信道 1 所在组")                                                           \
  X(EmgBand2, " Emg Band 2", " 紧急信道 2 所在组")                                                           \
  X(UkRowsShowUUk, "The radio uses the U/UK settings for the UK plan.", "UK 信道组使用 U/UK 的设置。")       \
  X(DwChannel, " DW Channel", " 双守信道")                                                                   \
  X(DwChannelWorkModeWide, " DW Channel  Work Mode", " 双守信道工作模式")                                    \
  X(DwChannelWorkMode, " DW Channel Work Mode", " 双守信道工作模式")                                         \
  X(DwPlanChannelWorkMode, " Channel Work Mode", " 双守信道工作模式")                                        \
  X(DwBand, " DW Band", " 双守信道所在组")                                                                   \
  X(MemChannel, " MEM Channel", " 存储信道")                                                                 \
  X(MemChannelState, " MEM Channel State", " 存储信道状态")                                                  \
  X(WeatherBandwidth, "W/N", "带宽")                                                                         \
  X(BandwidthNarrow, "Narrow", "窄带")                                                                       \
  X(BandwidthWide, "Wide", "宽带")                                                                           \
  X(WeatherScanDel, "Del", "删除")                                                                           \
  X(WeatherScanAdd, "Add", "添加")                                                                           \
  X(WeatherVfoRow, "VFO", "VFO")                                                                             \
  X(CurrentWeatherChannel, "Current Weather Channel", "当前气象信道")                                        \
  X(WxOnOffLabel, "Wx On/Off", "气象开关")                                                                   \
  X(WxAlertLabel, "Alert", "警报")                                                                           \
  X(WxScanStateLabel, "Wx Scan State", "气象扫描状态")                                                       \
  X(WxVfoLabel, "Wx Vfo", "气象 VFO")                                                                        \
  X(WxStepLabel, "Step", "步进")                                                                             \
  X(WxSqlLabel, "Wx Sql", "气象静噪")                                                                        \
  X(WxStep100Hz, "100Hz", "100Hz")                                                                           \
  X(WxStep1kHz, "1KHz", "1KHz")                                                                              \
  X(WxStep5kHz, "5KHz", "5KHz")                                                                              \
  X(WxStep6p25kHz, "6.25KHz", "6.25KHz")                                                                     \
  X(WxStep10kHz, "10KHz", "10KHz")                                                                           \
  X(WxStep12p5kHz, "12.5KHz", "12.5KHz")                                                                     \
  X(WxStep25kHz, "25KHz", "25KHz")                                                                           \
  X(WxStep100kHz, "100KHz", "100KHz")                                                                        \
  X(WxStep1MHz, "1MHz", "1MHz")                                                                              \
  /* ---- command-line tool: data files ---- */                                                              \
  X(CliNewHelp, "Write the default configuration as a data file pair", "将默认配置写成数据文件")             \
  X(CliInfoHelp, "Show versions, identity, range, channel counts, DTMF codes and roger beeps of a data file", \
    "显示数据文件的版本、机型信息、频段、各组信道数、DTMF 码和 RB 音")                                          \
  X(CliEncodeHelp, "Turn a data file into the radio's memory image", "将数据文件转换为对讲机存储映像")         \
  X(CliDecodeHelp, "Turn a memory image into a data file pair", "将存储映像转换为数据文件")                   \
  X(CliDumpHelp, "Write every member of a data file as JSON", "将数据文件的全部成员写成 JSON")               \
  X(CliLoadJsonHelp, "Turn a JSON document made by dump back into a data file pair",                         \
    "将 dump 生成的 JSON 文档转换回数据文件")                                                                  \
  X(CliRangeHelp,                                                                                            \
    "Frequency range: 0 = 24.7150 - 30.1050 MHz, 1 = 28.0000 - 29.6950 MHz, 2 = 28.0000 - 29.6990 MHz",      \
    "频段：0 = 24.7150 - 30.1050 MHz，1 = 28.0000 - 29.6950 MHz，2 = 28.0000 - 29.6990 MHz")                   \
  X(CliDataFileHelp, "Data file (.dat); its channel file (.fre) lies beside it",                             \
    "数据文件（.dat），其信道文件（.fre）位于同一文件夹")                                                       \
  X(CliImageFileHelp, "Memory image file", "存储映像文件")                                                   \
  X(CliJsonFileHelp, "JSON file", "JSON 文件")                                                               \
  X(CliOutputHelp, "File to write", "要写入的文件")                                                          \
  X(CliDumpOutputHelp, "File to write (standard output when left out)", "要写入的文件（省略时写到标准输出）") \
  X(CliRangeInvalid, "The range must be 0, 1 or 2.", "频段必须为 0、1 或 2。")                               \
  X(CliCannotRead, "Cannot read the file:", "无法读取文件：")                                                \
  X(CliCannotWrite, "Cannot write the file:", "无法写入文件：")                                              \
  X(CliFileTooLarge, "The file is too large:", "文件过大：")                                                 \
  X(CliStandardOutputFailed, "Cannot write to standard output.", "无法写入标准输出。")                        \
  X(CliImageWrongSize, "A memory image must be exactly 139776 bytes long:", "存储映像必须正好为 139776 字节：") \
  X(CliRecordsSkipped, "Channels whose number lies outside their group were left out of the image:",        \
    "编号超出所在组范围的信道未写入映像：")                                                                    \
  X(InfoDataVersion, "Data version", "数据版本")                                                             \
  X(InfoModel, "Model", "机型")                                                                              \
  X(InfoModelCode, "model code", "机型代码")                                                                 \
  X(InfoIdentityVersion, "identity version", "标识版本")                                                     \
  X(InfoCreated, "created", "创建日期")                                                                      \
  X(InfoRange, "Range", "频段")                                                                              \
  X(InfoRadioInformation, "Radio information", "对讲机信息")                                                 \
  X(InfoChannelCounts, "Channels in use per group", "各组使用的信道数")                                      \
  X(InfoSpecialChannels, "Special channels in use", "使用中的特殊信道")                                      \
  X(InfoDtmfCodes, "Defined DTMF codes", "已定义的 DTMF 码")                                                 \
  X(InfoRogerPresets, "Defined roger-beep presets", "已定义的 RB 音")                                        \
  X(InfoNone, "none", "无")                                                                                  \
  X(CliExportCsvHelp, "Write the channel table of a band and group as a CSV file",                           \
    "将某频段某组的信道表写成 CSV 文件")                                                                     \
  X(CliImportCsvHelp, "Read channels from a CSV file into an HF or HAM group and save the data file",        \
    "从 CSV 文件读取信道到 HF 或 HAM 组并保存数据文件")                                                      \
  X(CliBandHelp, "Band: CB, HF or HAM", "频段：CB、HF 或 HAM")                                               \
  X(CliGroupHelp, "Group: its number, MEM or VFO", "组：组号、MEM 或 VFO")                                   \
  X(CliCsvOutputHelp, "CSV file to write (standard output when left out)",                                   \
    "要写入的 CSV 文件（省略时写到标准输出）")                                                               \
  X(CliCsvFileHelp, "CSV file to read", "要读取的 CSV 文件")                                                 \
  X(CliImportOutputHelp, "Data file to write (default: the data file that was read)",                        \
    "要写入的数据文件（默认：读取的数据文件）")                                                              \
  X(CliBandInvalid, "The band must be CB, HF or HAM.", "频段必须为 CB、HF 或 HAM。")                         \
  X(CliGroupInvalid, "The group must be a number from 1 to %1, MEM or VFO.", "组必须为 1 至 %1 的数字、MEM 或 VFO。") \
  X(CliCbGroupInvalid, "The group must be a number from 1 to %1.", "组必须为 1 至 %1 的数字。")              \
  X(CliNothingImported, "No channel was added or changed: the data file was not written.",                   \
    "没有新建或修改任何信道：未写入数据文件。")                                                              \
  X(CliTemplateMissing, "The program folder lacks the template of a new configuration; nothing was written:", \
    "程序文件夹中缺少新配置的模板文件，未写入任何文件：")                                                      \
  /* ---- backups, CSV, printing ---- */                                                                     \
  X(MenuOpenBackup, "Open &Backup...", "打开备份(&B)...")                                                  \
  X(MenuVerifyAfterWrite, "&Verify after Write", "写入后校验(&V)")                                           \
  X(BackupFilter, "Backup", "备份")                                                                          \
  X(NoBackups, "There are no backups yet in %1.", "%1 中还没有备份。")                                       \
  X(BackupFailed, "The backup could not be saved in %1.", "无法在 %1 中保存备份。")                          \
  X(BackupSaved, "Backup saved: %1", "备份已保存：%1")                                                       \
  X(BackupKindRead, "read", "读取")                                                                          \
  X(BackupKindWrite, "write", "写入")                                                                        \
  X(VerifyProgressCaption, "Verify data written to radio", "校验写入对讲机的数据")                           \
  X(VerifyMismatch,                                                                                          \
    "Verify failed: the radio does not hold what was written, first at address %1 (%2 of %3 blocks "         \
    "differ). Write it again before use.",                                                                   \
    "校验失败：对讲机中的数据与写入的数据不符，首个不同地址为 %1（%3 个数据块中有 %2 个不同）。"              \
    "请重新写入后再使用。")                                                                                  \
  X(VerifyIncomplete, "The data written could not be read back for checking.",                               \
    "无法读回已写入的数据进行校验。")                                                                        \
  X(CliNoBackupHelp, "Keep no backup of the transfer in the backups folder",                                 \
    "不在备份文件夹中保存此次传输的备份")                                                                    \
  X(CliVerifyHelp, "Read the radio back after the write and compare it with what was sent",                  \
    "写入后读回对讲机数据，并与写入的数据比较")                                                              \
  X(CliBackupsHelp, "List the backups of reads and writes, newest first", "列出读取和写入的备份（最新的在前）") \
  X(SimLoseBlockHelp, "Acknowledge data frame N without storing it (N:K)", "应答第 N 帧数据但不保存（N:K）")  \
  X(CsvImportSummary, "Channels imported: %1 new, %2 changed, %3.", "已导入信道：新建%1个，修改%2个，%3。") \
  X(CsvLineSkipped, "%1 line skipped", "跳过%1行") \
  X(CsvLinesSkipped, "%1 lines skipped", "跳过%1行") \
  X(CsvLineMessage, "Line %1: %2", "第%1行：%2")                                                             \
  X(CsvExportButton, "&Export CSV...", "导出CSV(&E)...")                                                    \
  X(CsvImportButton, "&Import CSV...", "导入CSV(&I)...")                                                    \
  X(CsvFileFilter, "CSV File", "CSV文件")                                                             \
  X(CsvCannotRead, "The file cannot be read: %1", "无法读取文件：%1")                                        \
  X(CsvCannotWrite, "The file cannot be written: %1", "无法写入文件：%1")                                    \
  X(CsvFileTooLarge,                                                                                         \
    "The file is too large for a channel file (at most 1 MB and 1000 lines).",                               \
    "文件过大（信道文件最多1 MB、1000行）。")                                                                \
  X(CsvNotText, "The file is not a CSV text file.", "该文件不是CSV文本文件。")                               \
  X(CsvHeaderMissing,                                                                                        \
    "The first line of the file must name the columns, among them Location and Frequency.",                  \
    "文件第一行必须是列名，且包含Location和Frequency。")                                                     \
  X(CsvImportOnlyHfHam,                                                                                      \
    "CB channel frequencies are fixed: channels can be imported only into an HF or HAM group.",              \
    "CB信道频率固定，只能向HF或HAM组导入信道。")                                                             \
  X(CsvQuoteNotClosed, "A quoted field is not closed.", "引号字段没有结束引号。")                            \
  X(CsvTextAfterQuote, "Text follows the closing quote of a field.", "字段的结束引号后还有文字。")           \
  X(CsvLocationNotNumber, "Location \"%1\" is not a whole number.", "Location \"%1\"不是整数。")             \
  X(CsvLocationOutsideGroup,                                                                                 \
    "Location %1 is not a channel of this group (1 to %2).",                                                 \
    "Location %1不是本组的信道（1至%2）。")                                                                  \
  X(CsvLocationRepeated, "Location %1 was already imported from line %2.", "Location %1已由第%2行导入。")    \
  X(CsvFrequencyNotNumber, "Frequency \"%1\" is not a number.", "Frequency \"%1\"不是数字。")                \
  X(CsvFrequencyOutOfRange, "Frequency %1 MHz is out of range (%2).", "频率%1 MHz超出范围（%2）。")          \
  X(CsvDuplexUnsupported,                                                                                    \
    "Duplex \"%1\" is not supported: use empty, + or -.",                                                    \
    "不支持Duplex \"%1\"：只能为空、+或-。")                                                                 \
  X(CsvToneModeUnsupported,                                                                                  \
    "Tone \"%1\" is not supported: use empty, Tone, TSQL, DTCS or Cross.",                                   \
    "不支持Tone \"%1\"：只能为空、Tone、TSQL、DTCS或Cross。")                                                \
  X(CsvCrossModeUnsupported, "CrossMode \"%1\" is not supported.", "不支持CrossMode \"%1\"。")               \
  X(CsvCtcssNotInList, "%1 \"%2\" is not one of the radio's CTCSS tones.", "%1 \"%2\"不是本机的CTCSS频率。") \
  X(CsvDcsNotInList, "%1 \"%2\" is not one of the radio's DCS codes.", "%1 \"%2\"不是本机的DCS码。")         \
  X(CsvDcsPolarityUnsupported,                                                                               \
    "DtcsPolarity \"%1\" is not supported: the radio uses normal (N) DCS codes only.",                       \
    "不支持DtcsPolarity \"%1\"：本机只使用正向(N) DCS码。")                                                  \
  X(CsvModeUnsupported,                                                                                      \
    "Mode \"%1\" is not supported: use FM, AM, USB, LSB or CW.",                                             \
    "不支持Mode \"%1\"：只能为FM、AM、USB、LSB或CW。")                                                       \
  X(CsvPowerUnsupported,                                                                                     \
    "Power \"%1\" is not supported: use Low, Mid, High or watts such as 5W.",                                \
    "不支持Power \"%1\"：只能为Low、Mid、High或瓦数（如5W）。")                                              \
  X(CsvSkipUnsupported, "Skip \"%1\" is not supported: use empty, S or P.", "不支持Skip \"%1\"：只能为空、S或P。") \
  X(CsvGroupFull, "The group has no free channel.", "本组没有空闲信道。")                                    \
  X(CsvSemicolonSeparated,                                                                                   \
    "The first line has no Location and Frequency columns separated by commas, but it holds semicolons. "    \
    "Save the file again with commas between the values (in a spreadsheet: CSV, comma-delimited).",          \
    "文件第一行没有以逗号分隔的Location和Frequency列，但含有分号。请以逗号作为分隔符重新保存该文件"          \
    "（在电子表格中选择“CSV（逗号分隔）”）。")                                                               \
  X(CsvDroppedSummary, "Left out, as the radio cannot hold them: %1, %2, %3 other than the radio-wide %4 MHz.", \
    "本机无法保存以下内容，已略去：%1，%2，与全机中继偏移%4 MHz不同的%3。")                                  \
  X(CsvDroppedName, "%1 name", "名称%1个") \
  X(CsvDroppedNames, "%1 names", "名称%1个") \
  X(CsvDroppedComment, "%1 comment", "备注%1条") \
  X(CsvDroppedComments, "%1 comments", "备注%1条") \
  X(CsvDroppedOffset, "%1 repeater offset", "偏移%1个") \
  X(CsvDroppedOffsets, "%1 repeater offsets", "偏移%1个") \
  X(CsvRenumberOption, "Place the lines in free channels in file order (Location not used)",                 \
    "按文件顺序放入空闲信道（不使用Location）")                                                              \
  X(CliRenumberHelp, "Place the lines in the group's free channels in file order, whatever their Location",  \
    "不论Location为何，按文件顺序将各行放入本组的空闲信道")                                                  \
  X(MenuPrintToPdf, "Print to P&DF", "打印到 PDF(&D)")                                                       \
  X(PrintChannelTableChoice, "Channel table of a band and group", "某频段某组的信道表")                      \
  X(PrintSummaryChoice, "Configuration summary", "配置摘要")                                                 \
  X(PrintPdfFilter, "PDF File", "PDF 文件")                                                                  \
  X(PrintFailed, "The printout could not be made: %1", "无法完成打印：%1")                                   \
  X(PrintChannelTableTitle, "ZQ4071 Channel Table", "ZQ4071 信道表")                                         \
  X(PrintSummaryTitle, "ZQ4071 Configuration Summary", "ZQ4071 配置摘要")                                    \
  X(PrintNamedNote, "%1: %2", "%1：%2")                                                                      \
  X(PrintDateLabel, "Printed", "打印日期")                                                                   \
  X(PrintPageFooter, "Page %1 of %2", "第 %1 页，共 %2 页")                                                  \
  X(PrintContinued, " (continued)", "（续）")                                                                \
  X(PrintItemColumn, "Setting", "项目")                                                                      \
  X(PrintValueColumn, "Value", "值")                                                                         \
  X(PrintModelCode, "Model code", "机型代码")                                                                \
  X(PrintIdentityVersion, "Identity version", "标识版本")                                                    \
  X(PrintCreated, "Created", "创建日期")                                                                     \
  X(PrintSerialNumber, "Serial number", "序列号")                                                            \
  X(PrintProductionBatch, "Production batch", "生产批次")                                                    \
  X(PrintHardwareCode, "Hardware code", "硬件代码")                                                          \
  X(PrintFirmwareVersion, "Firmware version", "固件版本")                                                    \
  X(PrintFactoryCode, "Factory code", "工厂代码")                                                            \
  X(PrintRadioModel, "Radio model", "对讲机机型")                                                            \
  X(PrintGroupsHeading, "Channel groups", "信道组")                                                          \
  X(PrintChannelsColumn, "Channels", "信道数")                                                               \
  X(PrintDtmfCodeColumn, "Code", "码")                                                                       \
  X(PrintTonesColumn, "Tones (Hz × ms)", "音调（Hz × 毫秒）")                                                \
  X(PrintWeatherSettingsHeading, "Weather receiver", "气象接收")                                             \
  /* ---- comparing configurations, writing a series of radios ---- */                                         \
  X(CliDiffHelp, "Show where two configurations differ: data files, memory images or the radio on --port",     \
    "显示两个配置的不同之处：数据文件、存储映像或 --port 上的对讲机")                                            \
  X(CliDiffSourcesHelp,                                                                                         \
    "The old and the new configuration: a data file (.dat), a memory image (139776 bytes) or the word radio "  \
    "for the radio on --port; with --port and one file, the radio is the new one",                             \
    "旧配置和新配置：数据文件（.dat）、存储映像（139776 字节），或用 radio 一词表示 --port 上的对讲机；"          \
    "指定 --port 而只给出一个文件时，对讲机为新配置")                                                            \
  X(CliDiffJsonHelp, "Print the differences as a JSON document", "以 JSON 文档输出不同之处")                    \
  X(CliDiffLabelsHelp, "Name channel members and values as the channel window shows them, not as JSON", \
    "按信道窗口的显示列出信道成员和值，而不是 JSON 形式")                                                    \
  X(CliDiffPortHelp, "Serial device of the radio to compare: a path such as /dev/ttyUSB0, or COM<number>",      \
    "要比较的对讲机的串行设备：路径（如 /dev/ttyUSB0）或 COM 编号")                                              \
  X(CliDiffTwoSources, "Name two configurations, or one and the radio with --port.",                            \
    "请指定两个配置，或一个配置加上用 --port 指定的对讲机。")                                                    \
  X(CliDiffOneRadio, "Only one of the two configurations can be the radio.", "两个配置中只能有一个是对讲机。")  \
  X(CliDiffNeedsPort, "The radio needs --port.", "对讲机需要用 --port 指定串行设备。")                          \
  X(CompareRadioName, "the radio on %1", "%1 上的对讲机")                                                       \
  X(CompareNoMember, "(none)", "（无）")                                                                        \
  X(CompareCount, "%1 differences.", "共 %1 处不同。")                                                          \
  X(CompareCountOne, "%1 difference.", "共 %1 处不同。") \
  X(CompareSame, "The configurations are the same.", "两个配置相同。")                                          \
  X(MenuCompareWithFile, "&Compare with File...", "与文件比较(&C)...")                                         \
  X(MenuCompareWithRadio, "&Compare with Radio...", "与对讲机比较(&C)...")                                     \
  X(CompareCaption, "Comparison", "配置比较")                                                                   \
  X(CompareOldSide, "Old: %1", "旧：%1")                                                                        \
  X(CompareNewSide, "New: %1", "新：%1")                                                                        \
  X(CompareMemberColumn, "Member", "成员")                                                                      \
  X(CompareOldColumn, "Old value", "旧值")                                                                      \
  X(CompareNewColumn, "New value", "新值")                                                                      \
  X(CompareThisConfiguration, "this configuration (%1)", "当前配置（%1）")                                      \
  X(CompareTheRadioNamed, "the radio (%1, firmware %2)", "对讲机（%1，固件 %2）")                                                                     \
  X(ComparePrintTitle, "ZQ4071 Comparison", "ZQ4071 配置比较")                                                  \
  X(CompareFileFilter, "Data file or memory image", "数据文件或存储映像")                                          \
  X(CliRepeatHelp,                                                                                              \
    "Write one radio after another until Ctrl+C: after each, wait until it is taken away and the next one "    \
    "answers",                                                                                                  \
    "逐台写入对讲机，直到按下 Ctrl+C：每写完一台，等待该机被取下、下一台应答")                                  \
  X(CliLogHelp, "With --repeat: add a CSV line per radio to this file (time, identity, firmware version, result)", \
    "配合 --repeat：每写一台对讲机，在此文件中追加一行 CSV 记录（时间、标识、固件版本、结果）")                  \
  X(CliSeriesPortHelp,                                                                                          \
    "Serial device of the radio: a path such as /dev/ttyUSB0, or COM<number>; with --repeat, once for each port " \
    "that writes a series of its own",                                                                          \
    "对讲机的串口设备：如 /dev/ttyUSB0 的路径或 COM<编号>；配合 --repeat 可多次给出，每个端口各自批量写入")      \
  X(CliSeveralPortsNeedRepeat, "Several ports write a series each: add --repeat",                             \
    "多个端口各自批量写入：请加上 --repeat")                                                                      \
  X(CliUnitsHelp,                                                                                               \
    "With --repeat: a CSV list of per-unit values, the members named in its header as dump names them, one "   \
    "row for each radio",                                                                                       \
    "配合 --repeat：逐台数值的 CSV 列表，表头按 dump 的成员名称命名，每台对讲机一行")                            \
  X(CliOperatorHelp, "With --repeat: the operator's name, kept in the log", "配合 --repeat：操作员姓名，记入记录文件") \
  X(SeriesOnPort, "%1: %2", "%1：%2")                                                                           \
  X(SeriesLogPort, "Port", "端口")                                                                              \
  X(SeriesLogImageHash, "Image SHA-256", "映像 SHA-256")                                                        \
  X(SeriesLogUnitsLine, "Units line", "数值表行号")                                                             \
  X(SeriesLogOperator, "Operator", "操作员")                                                                    \
  X(SeriesLogVerification, "Verification", "校验")                                                              \
  X(SeriesVerifyPassed, "verified", "已校验")                                                                   \
  X(SeriesVerifyDiffers, "differs", "不符")                                                                     \
  X(SeriesVerifyNotDone, "not verified", "未校验")                                                              \
  X(SeriesUnitsGivenBack, "%1 (given back)", "%1（已退回）")                                                    \
  X(SeriesUnitsLineBack, "Line %1 of the list goes to the next radio.", "列表第 %1 行留给下一台对讲机。")        \
  X(SeriesUnitsUsedUp, "The list of per-unit values is used up; the series stops.",                             \
    "逐台数值列表已用完，批量写入停止。")                                                                        \
  X(UnitsAt, "Line %1, column %2: %3", "第 %1 行第 %2 列：%3")                                                  \
  X(UnitsNotAMember, "%1 is no member of the data file", "%1 不是数据文件的成员")                                \
  X(UnitsNotWritten, "%1 is not written into the radio", "%1 不会写入对讲机")                                    \
  X(UnitsTwice, "%1 is named twice", "%1 重复出现")                                                              \
  X(UnitsFieldCount, "the line has %1 fields, the header %2", "该行有 %1 个字段，表头有 %2 个")                  \
  X(UnitsNoRows, "the list has no header line or no rows", "列表缺少表头行或数据行")                             \
  X(SeriesWaiting, "Waiting for radio %1...", "正在等待第 %1 台对讲机……")                                       \
  X(SeriesWriting, "Writing radio %1...", "正在写入第 %1 台对讲机……")                                          \
  X(SeriesTakeAway, "Take radio %1 away and connect the next one.", "请取下第 %1 台对讲机，接上下一台。")        \
  X(SeriesResultLine, "Radio %1 (%2): %3", "第 %1 台对讲机（%2）：%3")                                          \
  X(SeriesResultWritten, "written", "已写入")                                                                   \
  X(SeriesResultVerified, "written and verified", "已写入并校验")                                               \
  X(SeriesResultNoResponse, "failed: no response", "失败：无响应")                                              \
  X(SeriesResultWrongModel, "failed: wrong model", "失败：机型错误")                                            \
  X(SeriesResultIncompatible, "failed: incompatible firmware version", "失败：固件版本不兼容")                  \
  X(SeriesResultVerifyFailed, "failed: the radio does not hold what was written", "失败：对讲机中的数据与写入的不符") \
  X(SeriesResultStopped, "stopped during the write: may be partly written", "写入中途被停止：可能只写入了部分数据") \
  X(SeriesResultStoppedEarly, "stopped before the write", "写入开始前被停止")                                   \
  X(SeriesUnknownIdentity, "identity unknown", "标识未知")                                                      \
  X(SeriesSummary, "Radios written: %1, failed: %2.", "已写入 %1 台，失败 %2 台。")                             \
  X(SeriesStopping, "Stopping after this radio...", "本台写完后停止……")                                         \
  X(SeriesStopped, "The series has stopped.", "批量写入已停止。")                                               \
  X(SeriesLogTime, "Time", "时间")                                                                              \
  X(SeriesLogRadio, "Radio", "序号")                                                                            \
  X(SeriesLogIdentity, "Identity", "标识")                                                                      \
  X(SeriesLogFirmware, "Firmware version", "固件版本")                                                          \
  X(SeriesLogResult, "Result", "结果")                                                                          \
  X(SeriesLogFailed, "The log cannot be written: %1", "无法写入记录文件：%1")                                   \
  X(SeriesLogLabel, "Log file:", "记录文件：")                                                                  \
  X(SeriesNoLog, "(none)", "（不记录）")                                                                        \
  X(SeriesChooseLog, "C&hoose...", "选择(&H)...")                                                               \
  X(SeriesStart, "&Start", "开始(&S)")                                                                          \
  X(SeriesStop, "S&top", "停止(&T)")                                                                            \
  X(SeriesLastResult, "Last radio:", "最近一台：")                                                              \
  X(SeriesFailedRadios, "Failed radios:", "失败的对讲机：")                                                     \
  X(SeriesConnectFirst, "Connect the first radio, then press Start", "请连接第一台对讲机，然后按“开始”") \
  X(SeriesRadioFailed, "Radio %1 %2. Take it away and connect the next one.", "第 %1 台对讲机%2。请取下该机，接上下一台。") \
  X(SeriesDataFileLabel, "Data file:", "数据文件：") \
  X(SeriesPortLabel, "Port:", "端口：") \
  /* ---- the programming station: several ports, per-unit list, operator, hand-over sheets ---- */ \
  X(StationPortsLabel, "Ports (one series each):", "端口（各自批量写入）：") \
  X(StationOtherPort, "Other port:", "其他端口：") \
  X(StationAddPort, "&Add", "添加(&A)") \
  X(StationNoPort, "Choose at least one port.", "请至少选择一个端口。") \
  X(StationTableName, "Ports and their series", "各端口的批量写入") \
  X(StationPortColumn, "Port", "端口") \
  X(StationStateColumn, "State", "状态") \
  X(StationWrittenColumn, "Radios written", "已写入") \
  X(StationLastColumn, "Last result", "最近结果") \
  X(StationNotStarted, "not started", "未启动") \
  X(StationProgress, "%1 %2%", "%1 %2%") \
  X(StationStartPort, "Start &Port", "启动该端口(&P)") \
  X(StationStopPort, "Stop P&ort", "停止该端口(&O)") \
  X(StationOperatorLabel, "Operator:", "操作员：") \
  X(StationUnitsLabel, "Per-unit values:", "逐台数值：") \
  X(StationNoUnits, "(none: every radio gets the same configuration)", "（无：每台对讲机写入相同配置）") \
  X(StationLoadUnits, "&Load list...", "载入列表(&L)...") \
  X(StationUnitsShown, "%1: %2 of %3 rows left", "%1：剩余 %2 行，共 %3 行") \
  X(StationUnitsRefused, "The list of per-unit values is refused.\r\n%1: %2", "逐台数值列表被拒绝。\r\n%1：%2") \
  X(StationSheets, "Hand-over sheet (PDF) for each radio, &in:", "为每台对讲机生成交接单（PDF），保存于(&I)：") \
  X(StationNoSheetFolder, "(no folder chosen)", "（未选择文件夹）") \
  X(StationChooseSheetFolder, "&Folder...", "文件夹(&F)...") \
  X(StationSheetFolderFirst, "Choose the folder of the hand-over sheets first.", "请先选择交接单的文件夹。") \
  X(SheetTitle, "Hand-over sheet: radio %1", "交接单：第 %1 台对讲机") \
  X(SheetUnitValues, "Per-unit values", "逐台数值") \
  X(SheetMemberColumn, "Member", "成员") \
  X(SeriesDataFileName, "Data file", "数据文件") \
  X(SheetFailed, "The hand-over sheet cannot be written: %1", "无法写入交接单：%1") \
  X(SheetsNotBuilt, "This build of the program cannot write hand-over sheets.", "此版本的程序无法生成交接单。") \
  X(CliSheetsHelp, "With --repeat: write a one-page PDF hand-over sheet for each radio written into this folder " \
    "(radio-0007.pdf; an existing sheet is never overwritten)", \
    "配合 --repeat：为每台写入的对讲机在此文件夹中生成一页 PDF 交接单（radio-0007.pdf；不覆盖已有的交接单）") \
  X(SimSeriesHelp,                                                                                              \
    "Play N radios one after another: a moment after END a radio is taken away, the line stays silent, then "  \
    "the next one answers with its number in identity bytes 13-15",                                            \
    "依次模拟 N 台对讲机：收到 END 片刻后取下该机，线路保持静默，随后下一台应答，其编号位于标识第 13-15 字节")      \
  X(SimStayHelp, "With --series: milliseconds a radio stays after END before it is taken away (default 300)",   \
    "配合 --series：收到 END 后对讲机再停留多少毫秒才被取下（默认 300）")                                          \
  X(SimAbsentHelp, "With --series: milliseconds the line stays silent between two radios (default 3000)",       \
    "配合 --series：两台对讲机之间线路静默的毫秒数（默认 3000）")                                                \
  X(SimDropOutHelp, "With --series: radio R is taken away after answering F frames of its own (R:F)",           \
    "配合 --series：第 R 台对讲机应答 F 帧后被取下（R:F）")                                                      \
  X(SimDropOutInvalid, "A drop-out takes R:F, R a whole number from 1 and F from 0: %1",                        \
    "取下参数须为 R:F，R 为从 1 开始的整数，F 为从 0 开始的整数：%1")

// clang-format on
