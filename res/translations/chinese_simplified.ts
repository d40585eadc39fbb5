<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Aboutme</name>
    <message>
        <location filename="../../src/ui/settings/Aboutme.ui" line="+6"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/Aboutme.cpp" line="+30"/>
        <source>Vitacor Browser Pro V %1</source>
        <comment>simplified_chinese_ver</comment>
        <translation>Vitacor Browser Pro V %1</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solvimara EX v%1</source>
        <comment>solvimara version</comment>
        <translation>Solvimara EX v%1</translation>
    </message>
</context>
<context>
    <name>AlreadyRunMessage</name>
    <message>
        <location filename="../../src/app/AlreadyRunMessage.cpp" line="+4"/>
        <source>Solvimara EX</source>
        <translation>Solvimara EX</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>is already running...</source>
        <translation>已在运行...</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>OK</source>
        <comment>zh_cn_ver</comment>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>BasePaintHelper</name>
    <message>
        <location filename="../../src/report/BasePaintHelper.cpp" line="+55"/>
        <source>Date:</source>
        <translation>日期:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Physician:</source>
        <translation>医生:</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
</context>
<context>
    <name>BodyCheckWidget</name>
    <message>
        <location filename="../../src/ui/rows/BodyCheckWidget.cpp" line="+20"/>
        <source>Lead:</source>
        <translation>导联：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>PR:</source>
        <translation>脉率：</translation>
    </message>
</context>
<context>
    <name>CheckDispController</name>
    <message>
        <location filename="../../src/ui/records/CheckDispController.cpp" line="+307"/>
        <source>All Results</source>
        <translation>全部结果</translation>
    </message>
    <message>
        <location line="-1"/>
        <source>All Users</source>
        <translation>全部用户</translation>
    </message>
    <message>
        <location line="+141"/>
        <source>A download of this monitor is running; try again when it has finished.</source>
        <translation>此设备正在下载；请在下载完成后重试。</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+39"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message numerus="yes">
        <location line="-40"/>
        <source>%n check(s) could not be deleted; they are kept with their files.</source>
        <translation>
            <numerusform>%n 条测量无法删除；它们及其文件均被保留。</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>These files could not be removed:</source>
        <translation>无法删除以下文件：</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>ECG Holter</source>
        <translation>动态心电图</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>item delete</source>
        <translation>条目删除</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Tips</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+4"/>
        <source> item: </source>
        <translation> 项目：</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+47"/>
        <location line="+19"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>This voice note cannot be played.</source>
        <translation>无法播放此语音备注。</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>确定要删除所有选中的记录吗？</translation>
    </message>
</context>
<context>
    <name>CheckItemBase</name>
    <message>
        <location filename="../../src/ui/rows/CheckItemBase.cpp" line="+177"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>血氧饱和度(SpO2)：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Rate(PR):</source>
        <translation>脉率(PR)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Perfusion Index(PI):</source>
        <translation>灌注指数(PI)：</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
</context>
<context>
    <name>CheckType</name>
    <message>
        <location filename="../../src/files/CheckType.cpp" line="+30"/>
        <source>ECG Recorder</source>
        <translation>心电记录仪</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pulse Oximeter</source>
        <translation>脉搏血氧仪</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Thermometer</source>
        <translation>体温计</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pedometer</source>
        <translation>计步器</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Daily Check</source>
        <translation>日常检测</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Spot Check</source>
        <translation>单次检测</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Sleep Monitor</source>
        <translation>睡眠监测</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Pressure</source>
        <translation>血压</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ZoravIvide</source>
        <translation>ZoravIvide</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ECG Holter</source>
        <translation>动态心电</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+2"/>
        <source>Blood Glucose</source>
        <translation>血糖</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Multi Test</source>
        <translation>多项检测</translation>
    </message>
</context>
<context>
    <name>DailyWidget</name>
    <message>
        <location filename="../../src/ui/rows/DailyWidget.cpp" line="+25"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>SpO2:</source>
        <translation>血氧：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PI:</source>
        <translation>灌注指数：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead:</source>
        <translation>导联：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cable:</source>
        <translation>导联线：</translation>
    </message>
</context>
<context>
    <name>DbOperator</name>
    <message>
        <location filename="../../src/db/DbOperator.cpp" line="+265"/>
        <source>The record database %1 cannot be opened; check that its folder exists and can be written.</source>
        <translation>无法打开记录数据库 %1；请检查其所在文件夹是否存在且可写入。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The file %1 is not a record database; move it away to start with an empty one.</source>
        <translation>文件 %1 不是记录数据库；请将其移走，以便从空数据库开始。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is damaged; keep a copy and move it away to start with an empty one.</source>
        <translation>记录数据库 %1 已损坏；请保留一份副本并将其移走，以便从空数据库开始。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 is locked by another program; close that program and try again.</source>
        <translation>记录数据库 %1 已被其他程序锁定；请关闭该程序后重试。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The record database %1 is not writable; check the permissions of the file and its folder.</source>
        <translation>记录数据库 %1 不可写入；请检查该文件及其文件夹的权限。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The record database %1 lacks parts of its tables (%2); restore it from a copy, or move it away to start with an empty one.</source>
        <translation>记录数据库 %1 缺少部分表或列（%2）；请从备份恢复，或将其移走以使用新的空数据库。</translation>
    </message>
</context>
<context>
    <name>DetailReportReview</name>
    <message>
        <location filename="../../src/ui/holter/DetailReportReview.cpp" line="+53"/>
        <source>Tip</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>DevFilter</name>
    <message>
        <location filename="../../src/files/DeviceModel.cpp" line="+27"/>
        <location line="+7"/>
        <source>Vitacor Pro</source>
        <translation>Vitacor Pro</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Vitacor Lite HDMI</source>
        <translation>Vitacor Lite HDMI</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+13"/>
        <source>Vitacor Pod</source>
        <translation>Vitacor Pod</translation>
    </message>
    <message>
        <location line="-12"/>
        <source>Vitacor Plus</source>
        <translation>Vitacor Plus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Brinmoravel</source>
        <translation>Brinmoravel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cardivane</source>
        <translation>Cardivane</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Lite USB</source>
        <translation>Vitacor Lite USB</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Vitacor Pro A</source>
        <translation>Vitacor Pro A</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Faunoscan</source>
        <translation>Faunoscan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ZIZ(0X11)</source>
        <translation>ZIZ(0X11)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Pro X</source>
        <translation>Vitacor Pro X</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor Pro</source>
        <comment>zh_cn_ver</comment>
        <translation>Vitacor 专业版</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Vitacor ECG</source>
        <translation>Vitacor ECG</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QMR4</source>
        <translation>QMR4</translation>
    </message>
</context>
<context>
    <name>DeviceWidget</name>
    <message>
        <location filename="../../src/ui/records/DeviceWidget.cpp" line="+16"/>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>软件版本：</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>State: Connected</source>
        <translation>状态：已连接</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>State: Offline</source>
        <translation>状态：离线</translation>
    </message>
</context>
<context>
    <name>DialogFrame</name>
    <message>
        <location filename="../../src/ui/viewers/DialogFrame.cpp" line="+30"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save PDF</source>
        <translation>保存PDF</translation>
    </message>
</context>
<context>
    <name>DownloadDeviceWidget</name>
    <message>
        <location filename="../../src/ui/download/DownloadDeviceWidget.cpp" line="+30"/>
        <source>Serial Number:</source>
        <translation>序列号：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Software Version:</source>
        <translation>软件版本：</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+18"/>
        <location line="+34"/>
        <source>Downloading...</source>
        <translation>正在下载...</translation>
    </message>
    <message>
        <location line="-12"/>
        <location line="+30"/>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Download completed</source>
        <translation>下载完成</translation>
    </message>
</context>
<context>
    <name>EcgAnalyseDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.ui" line="+13"/>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+48"/>
        <location line="+156"/>
        <source>Hide Ruler</source>
        <translation>隐藏标尺</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Max</source>
        <translation>最大</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Min</source>
        <translation>最小</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EcgAnalyseDlg.cpp" line="+0"/>
        <source>Show Ruler</source>
        <translation>显示标尺</translation>
    </message>
</context>
<context>
    <name>EcgDetailDlg</name>
    <message>
        <location filename="../../src/ui/holter/EcgDetailDlg.ui" line="+14"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+50"/>
        <source>ECG</source>
        <translation>心电图</translation>
    </message>
    <message>
        <location line="+33"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+72"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>PVCs:</source>
        <translation>室性早搏：</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QT:</source>
        <translation>QT：</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QTc:</source>
        <translation>QTc：</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="+1"/>
        <source>QRS:</source>
        <translation>QRS：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Irregular R-R</source>
        <translation>RR 间期不齐</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Pause(&gt;3s) : Detected</source>
        <translation>停搏(&gt;3秒)：已检出</translation>
    </message>
    <message>
        <location line="+43"/>
        <source>Ruler</source>
        <translation>标尺</translation>
    </message>
    <message>
        <location line="+29"/>
        <source>Previous Strip</source>
        <translation>上一条</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Previous Minute</source>
        <translation>上一分钟</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Minute</source>
        <translation>下一分钟</translation>
    </message>
    <message>
        <location line="+16"/>
        <source>Next Strip</source>
        <translation>下一条</translation>
    </message>
    <message>
        <location line="+29"/>
        <location filename="../../src/ui/holter/EcgDetailDlg.cpp" line="-70"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
</context>
<context>
    <name>EcgWidget</name>
    <message>
        <location filename="../../src/ui/rows/EcgWidget.cpp" line="+24"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST:</source>
        <translation>ST：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Bandwidth:</source>
        <translation>带宽：</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Lead:</source>
        <translation>导联：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cable:</source>
        <translation>导联线：</translation>
    </message>
</context>
<context>
    <name>EdfExport</name>
    <message>
        <location filename="../../src/ui/viewers/EdfExport.cpp" line="+14"/>
        <source>Save EDF+</source>
        <translation>保存为 EDF+</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>EDF+ (*.edf)</source>
        <translation>EDF+ (*.edf)</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Message</source>
        <translation>消息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>create EDF file failed</source>
        <translation>创建 EDF 文件失败</translation>
    </message>
</context>
<context>
    <name>EditDlg</name>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.ui" line="+6"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Patient ID:</source>
        <translation>病人ID:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Height:</source>
        <translation>身高:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> cm</source>
        <translation> 厘米</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Weight:</source>
        <translation>体重:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> kg</source>
        <translation> 公斤</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Remarks:</source>
        <translation>备注:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <location filename="../../src/ui/viewers/EditDlg.cpp" line="+23"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>ExportGuard</name>
    <message>
        <location filename="../../src/sync/ExportGuard.cpp" line="+52"/>
        <source>%1 is a link to nothing; choose another file name.</source>
        <translation>%1 是指向不存在目标的链接；请选择其他文件名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is a folder; choose a file name.</source>
        <translation>%1 是文件夹；请选择一个文件名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is not a regular file; choose another file name.</source>
        <translation>%1 不是普通文件；请选择其他文件名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder %1 does not exist.</source>
        <translation>文件夹 %1 不存在。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 is the program&apos;s configuration file; choose another file name.</source>
        <translation>%1 是本程序的配置文件；请选择其他文件名。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 belongs to the record database; choose another file name.</source>
        <translation>%1 属于记录数据库；请选择其他文件名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 is the program&apos;s log file; choose another file name.</source>
        <translation>%1 是本程序的日志文件；请选择其他文件名。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 belongs to a download; choose another file name.</source>
        <translation>%1 属于一次下载；请选择其他文件名。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>%1 lies in a download&apos;s scratch folder; choose another folder.</source>
        <translation>%1 位于下载的临时文件夹中；请选择其他文件夹。</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 lies in the folder of the monitor %2, which holds its checks; choose another folder.</source>
        <translation>%1 位于设备 %2 的文件夹中，该文件夹保存其测量记录；请选择其他文件夹。</translation>
    </message>
</context>
<context>
    <name>ExportPath</name>
    <message>
        <location filename="../../src/ui/viewers/ExportPath.cpp" line="+22"/>
        <source>Message</source>
        <translation>消息</translation>
    </message>
</context>
<context>
    <name>GluWidget</name>
    <message>
        <location filename="../../src/ui/rows/GluWidget.cpp" line="+19"/>
        <source>Blood Glocose:</source>
        <translation>血糖：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
</context>
<context>
    <name>HolterMinuteReportHelper</name>
    <message>
        <location filename="../../src/report/HolterMinuteReportHelper.cpp" line="+29"/>
        <source>ECG</source>
        <translation>心电图</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>ECG Report</source>
        <translation>心电图报告</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>患者信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>患者姓名：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Physician:</source>
        <translation>医生：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>适应症：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Check Time:</source>
        <translation>检测时间：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>室性早搏：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT:</source>
        <translation>QT：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc:</source>
        <translation>QTc：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Irregular R-R</source>
        <translation>R-R间期不齐</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Pause(&gt;3s): Detected</source>
        <translation>停搏(&gt;3秒)：已检出</translation>
    </message>
    <message>
        <location line="+13"/>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>HolterPdfBatch</name>
    <message>
        <location filename="../../src/ui/holter/HolterPdfBatch.cpp" line="+22"/>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <location line="+34"/>
        <source>Select directory</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <location line="+8"/>
        <location line="+6"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-5"/>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 已存在。
是否替换？</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Create PDF file failed.</source>
        <translation>创建PDF文件失败。</translation>
    </message>
</context>
<context>
    <name>HolterPrinting</name>
    <message>
        <location filename="../../src/ui/holter/HolterPrinting.cpp" line="+40"/>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Create PDF file failed.</source>
        <translation>创建PDF文件失败。</translation>
    </message>
</context>
<context>
    <name>HolterReport</name>
    <message>
        <location filename="../../src/holter/HolterReport.cpp" line="+203"/>
        <source>LEAD II</source>
        <translation>II导联</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CC5</source>
        <translation>CC5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>CM5</source>
        <translation>CM5</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>User-defined</source>
        <translation>自定义</translation>
    </message>
</context>
<context>
    <name>HolterReportHelper</name>
    <message>
        <location filename="../../src/report/HolterReportHelper.cpp" line="+141"/>
        <source>Holter ECG Report</source>
        <translation>动态心电图报告</translation>
    </message>
    <message>
        <location line="+18"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Information</source>
        <translation>患者信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+77"/>
        <source>Patient Name:</source>
        <translation>患者姓名：</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+50"/>
        <source>Physician:</source>
        <translation>医生：</translation>
    </message>
    <message>
        <location line="-49"/>
        <source>ID:</source>
        <translation>ID：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Indications:</source>
        <translation>适应症：</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Recording Information</source>
        <translation>记录信息</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+63"/>
        <source>Record Date:</source>
        <translation>记录日期：</translation>
    </message>
    <message>
        <location line="-62"/>
        <source>Lead:</source>
        <translation>导联：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Strips:</source>
        <translation>总条数：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>(1 minute)</source>
        <translation>（每条1分钟）</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>总时长：</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The recording file is missing or incomplete.</source>
        <translation>记录文件缺失或不完整。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>General Summary</source>
        <translation>总体概要</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS Complex:</source>
        <translation>QRS波群：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PVCs:</source>
        <translation>室性早搏：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Avg HR:</source>
        <translation>平均心率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Pause(&gt;3s):</source>
        <translation>停搏(&gt;3秒)：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Strips</source>
        <translation>条</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Max HR:</source>
        <translation>最高心率：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Min HR:</source>
        <translation>最低心率：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Heart Rate Variability</source>
        <translation>心率变异性</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>MEAN:</source>
        <translation>平均RR：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SDNN:</source>
        <translation>SDNN：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>RMSSD:</source>
        <translation>RMSSD：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PNN50:</source>
        <translation>PNN50：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Comments</source>
        <translation>备注</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Date:</source>
        <translation>日期：</translation>
    </message>
</context>
<context>
    <name>HolterReportViewer</name>
    <message>
        <location filename="../../src/ui/holter/HolterReportViewer.cpp" line="+17"/>
        <source>Holter ECG Report</source>
        <translation>动态心电图报告</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>15 minutes per page</source>
        <translation>每页15分钟</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>30 minutes per page</source>
        <translation>每页30分钟</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
</context>
<context>
    <name>HolterSummaryText</name>
    <message>
        <location filename="../../src/report/HolterSummaryText.cpp" line="+28"/>
        <source>minute</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Strips</source>
        <translation>条</translation>
    </message>
</context>
<context>
    <name>HolterWidget</name>
    <message>
        <location filename="../../src/ui/holter/HolterWidget.cpp" line="+31"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Patient Name:</source>
        <translation>患者姓名：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Time:</source>
        <translation>总时长：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>ID:</source>
        <translation>ID：</translation>
    </message>
</context>
<context>
    <name>LeadText</name>
    <message>
        <location filename="../../src/report/LeadText.cpp" line="+16"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>LEAD I</source>
        <translation>I 导联</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>LEAD II</source>
        <translation>II 导联</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>LEAD Wristova</source>
        <translation>Wristova 导联</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Lead I</source>
        <translation>I 导联</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lead II</source>
        <translation>II 导联</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Chest Lead</source>
        <translation>胸导联</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MODE I</source>
        <translation>模式 I</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>MODE II</source>
        <translation>模式 II</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Wide</source>
        <translation>宽</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <location filename="../../src/ui/MainWindow.ui" line="+26"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+84"/>
        <source>Connect</source>
        <translation>连接</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as PDF</source>
        <translation>保存为PDF</translation>
    </message>
    <message>
        <location line="+5"/>
        <location filename="../../src/ui/MainWindow.cpp" line="+1"/>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <location filename="../../src/ui/MainWindow.cpp" line="-13"/>
        <source>Vitacor Browser Pro</source>
        <comment>zh_cn verion</comment>
        <translation>Vitacor 浏览器专业版</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Solvimara EX</source>
        <translation>Solvimara EX</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Select multiple records using CTRL and SHIFT key</source>
        <translation>按住 CTRL 或 SHIFT 键可选择多条记录</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>About me</source>
        <translation>关于软件</translation>
    </message>
    <message>
        <location line="+285"/>
        <location line="+15"/>
        <source>Delete all items</source>
        <translation>删除所有记录</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Delete selected items</source>
        <translation>删除所选记录</translation>
    </message>
    <message>
        <location line="-29"/>
        <location line="+19"/>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <location line="-5"/>
        <location line="+20"/>
        <source>Are you sure you want to delete all items?</source>
        <translation>确定要删除所有记录吗？</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Are you sure you want to delete all selected items?</source>
        <translation>确定要删除所有选中的记录吗？</translation>
    </message>
    <message>
        <location line="-18"/>
        <source>You are deleting %1. Do you want to continue?</source>
        <translation>即将删除 %1，是否继续？</translation>
    </message>
    <message>
        <location line="+37"/>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Fail to delete: %1</source>
        <translation>删除失败：%1</translation>
    </message>
    <message>
        <location line="-20"/>
        <source>No items are selected.</source>
        <translation>未选择任何记录。</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-236"/>
        <source>All Results</source>
        <translation>全部结果</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>All Users</source>
        <translation>全部用户</translation>
    </message>
</context>
<context>
    <name>MultiTestDataDecorator</name>
    <message>
        <location filename="../../src/report/MultiTestDataDecorator.cpp" line="+29"/>
        <location line="+36"/>
        <source>/min</source>
        <translation>次/分</translation>
    </message>
    <message>
        <location line="-29"/>
        <source>,</source>
        <translation>，</translation>
    </message>
    <message>
        <location line="+51"/>
        <source>exception temp</source>
        <translation>体温异常</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>normal temp</source>
        <translation>体温正常</translation>
    </message>
</context>
<context>
    <name>MultiTestWidget</name>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.ui" line="+48"/>
        <source>DATATIME</source>
        <translation>日期时间</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Oxygen(SpO2):</source>
        <translation>血氧饱和度(SpO2)：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pulse Rate(PR):</source>
        <translation>脉率(PR)：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Body Temperature:</source>
        <translation>体温：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Pressure: SYS/DIA</source>
        <translation>血压：收缩压/舒张压</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Blood Glocose:</source>
        <translation>血糖：</translation>
    </message>
    <message>
        <location filename="../../src/ui/rows/MultiTestWidget.cpp" line="+30"/>
        <source>Object temperature:</source>
        <translation>物体温度：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>体温：</translation>
    </message>
</context>
<context>
    <name>MyMessageBox</name>
    <message>
        <location filename="../../src/ui/MyMessageBox.cpp" line="+11"/>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>No</source>
        <translation>否</translation>
    </message>
</context>
<context>
    <name>NibpWidget</name>
    <message>
        <location filename="../../src/ui/rows/NibpWidget.cpp" line="+29"/>
        <source>SYS:</source>
        <translation>收缩压：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>DIA:</source>
        <translation>舒张压：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>PR:</source>
        <translation>脉率：</translation>
    </message>
</context>
<context>
    <name>NoDataWidget</name>
    <message>
        <location filename="../../src/ui/records/NoDataWidget.ui" line="+28"/>
        <source>No Data</source>
        <translation>无数据</translation>
    </message>
</context>
<context>
    <name>PedoWidget</name>
    <message>
        <location filename="../../src/ui/rows/PedoWidget.cpp" line="+21"/>
        <source>Steps:</source>
        <translation>步数：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Distance:</source>
        <translation>距离：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total calorie:</source>
        <translation>总卡路里：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fat:</source>
        <translation>脂肪：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Speed:</source>
        <translation>速度：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total time:</source>
        <translation>总时间：</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../../src/browser/main.cpp" line="+76"/>
        <source>Permission denied</source>
        <translation>权限不足</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please relaunch the software with administrator privileges</source>
        <translation>请以管理员权限重新启动软件</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Record database</source>
        <translation>记录数据库</translation>
    </message>
</context>
<context>
    <name>ReportHelper</name>
    <message>
        <location filename="../../src/report/ReportHelper.cpp" line="+84"/>
        <source>Regular electrocardiogram(ECG)</source>
        <translation>心电图正常</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Unable to Analyze</source>
        <translation>无法分析</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate, tachycardia</source>
        <translation>心率过快，心动过速</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate, bradycardia</source>
        <translation>心率过缓，心动过缓</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular heartbeat</source>
        <translation>心律不齐</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Premature Beat(PVC)</source>
        <translation>疑似早搏(PVC)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Heartbeat Pause</source>
        <translation>疑似心跳停搏</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Suspected Atrial Fibrillation (AF)</source>
        <translation>疑似房颤(AF)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS interval is too wide</source>
        <translation>QRS间期过宽</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>QTc interval prolongation</source>
        <translation>QTc间期延长</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QTc interval is too short</source>
        <translation>QTc间期过短</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>ST segment elevation</source>
        <translation>ST段抬高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ST segment depression</source>
        <translation>ST段压低</translation>
    </message>
    <message>
        <location line="+50"/>
        <source>Report</source>
        <comment>zh_zn_ver</comment>
        <translation>报告</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <location line="+88"/>
        <source>Paitent ID:</source>
        <translation>病人ID:</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+3"/>
        <location line="+297"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="-299"/>
        <location line="+3"/>
        <location line="+296"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="-295"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Remarks: </source>
        <translation>备注: </translation>
    </message>
    <message>
        <location line="+42"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+22"/>
        <source>Measuring Time:</source>
        <translation>测量时间:</translation>
    </message>
    <message>
        <location line="-76"/>
        <location line="+24"/>
        <source>Bandwidth:</source>
        <translation>带宽：</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+25"/>
        <location line="+217"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="-295"/>
        <location line="+24"/>
        <location line="+31"/>
        <location line="+242"/>
        <source>QRS:</source>
        <translation>QRS：</translation>
    </message>
    <message>
        <location line="-293"/>
        <source>ST:</source>
        <translation>ST：</translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+20"/>
        <location line="+31"/>
        <location line="+241"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc：</translation>
    </message>
    <message>
        <location line="-268"/>
        <location line="+44"/>
        <source>Lead:</source>
        <translation>导联：</translation>
    </message>
    <message>
        <location line="-43"/>
        <source>Cable:</source>
        <translation>导联线：</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+23"/>
        <source>SpO2:</source>
        <translation>血氧：</translation>
    </message>
    <message>
        <location line="-22"/>
        <location line="+25"/>
        <location line="+21"/>
        <source>PI:</source>
        <translation>灌注指数：</translation>
    </message>
    <message>
        <location line="-30"/>
        <source>ECG Bandwidth:</source>
        <translation>心电带宽:</translation>
    </message>
    <message>
        <location line="+10"/>
        <location line="+241"/>
        <source>Temperature:</source>
        <translation>体温：</translation>
    </message>
    <message>
        <location line="-228"/>
        <source>min</source>
        <translation>分钟</translation>
    </message>
    <message>
        <location line="+4"/>
        <location line="+220"/>
        <source>PR:</source>
        <translation>脉率：</translation>
    </message>
    <message>
        <location line="-214"/>
        <location line="+205"/>
        <source>ECG:</source>
        <translation>心电:</translation>
    </message>
    <message>
        <location line="-114"/>
        <source>The strip is cut: %1 of %2 samples</source>
        <translation>波形不完整：%1 / %2 个采样点</translation>
    </message>
    <message>
        <location line="+63"/>
        <source>Report</source>
        <comment>zh_cn_ver</comment>
        <translation>报告</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>TestTime:</source>
        <translation>测试时间:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>ID:</source>
        <translation>ID:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Birthday:</source>
        <translation>生日:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Height:</source>
        <translation>身高:</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Weight:</source>
        <translation>体重:</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>FingerPulse:</source>
        <translation>指脉:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Oxi:</source>
        <translation>血氧:</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>BP</source>
        <translation>血压</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>BG</source>
        <translation>血糖</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>SYS/DIA:</source>
        <translation>收缩压/舒张压:</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Note:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Doctor:</source>
        <translation>医生:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Date:</source>
        <translation>日期:</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <location filename="../../src/report/ReportOutput.cpp" line="+150"/>
        <source>Report</source>
        <translation>报告</translation>
    </message>
</context>
<context>
    <name>ReportPrinting</name>
    <message>
        <location filename="../../src/ui/viewers/ReportPrinting.cpp" line="+87"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PDF File(*.pdf)</source>
        <translation>PDF 文件(*.pdf)</translation>
    </message>
    <message>
        <location line="-23"/>
        <location line="+30"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>The printer could not be started; nothing was printed.</source>
        <translation>无法启动打印机，未打印任何内容。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>create pdf failed</source>
        <translation>创建PDF失败</translation>
    </message>
</context>
<context>
    <name>ReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/ReportViewer.cpp" line="+31"/>
        <source>Print report</source>
        <translation>打印报告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as JPG file</source>
        <translation>保存为JPG文件</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as PDF</source>
        <translation>保存为PDF</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Analysis wave</source>
        <translation>波形分析</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Edit report</source>
        <translation>编辑报告</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom in</source>
        <translation>放大</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Zoom out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save as CSV file</source>
        <translation>保存为CSV文件</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Save EDF+</source>
        <translation>保存为 EDF+</translation>
    </message>
    <message>
        <location line="+47"/>
        <source>Save As</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>PDF File(*.pdf)</source>
        <translation>PDF 文件(*.pdf)</translation>
    </message>
    <message>
        <location line="+19"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-19"/>
        <source>create pdf failed</source>
        <translation>创建PDF失败</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>create jpg failed</source>
        <translation>创建JPG失败</translation>
    </message>
    <message>
        <location line="+60"/>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>保存失败</translation>
    </message>
</context>
<context>
    <name>ResultText</name>
    <message>
        <location filename="../../src/report/ResultText.cpp" line="+17"/>
        <source>Regular ECG Rhythm</source>
        <translation>心电节律规则</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High Heart Rate</source>
        <translation>心率偏高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Heart Rate</source>
        <translation>心率偏低</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High QRS Value</source>
        <translation>QRS 值偏高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>High ST Value</source>
        <translation>ST 值偏高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low ST Value</source>
        <translation>ST 值偏低</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Irregular ECG Rhythm</source>
        <translation>心电节律不规则</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Suspected Premature Beat</source>
        <translation>疑似早搏</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to Analyze</source>
        <translation>无法分析</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Poor signal</source>
        <translation>信号差</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Poor pulse signal</source>
        <translation>脉搏信号差</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Regular heart beat</source>
        <translation>心跳规则</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Irregular heart beat</source>
        <translation>心跳不规则</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fast heart rate</source>
        <translation>心率过快</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Slow heart rate</source>
        <translation>心率过慢</translation>
    </message>
    <message>
        <location line="+48"/>
        <source>High range blood pressure</source>
        <translation>血压偏高</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Normal range blood pressure</source>
        <translation>血压正常</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Normal Blood Oxygen</source>
        <translation>血氧正常</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Low Blood Oxygen</source>
        <translation>血氧偏低</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>No abnormalities detected</source>
        <translation>未发现异常</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Blood Oxygen drops detected</source>
        <translation>检测到血氧下降</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Low range blood glucose</source>
        <translation>血糖偏低</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>normal range blood glucose</source>
        <translation>血糖正常</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>High range blood glucose</source>
        <translation>血糖偏高</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Unable to analyze</source>
        <translation>无法分析</translation>
    </message>
</context>
<context>
    <name>SetDataDirDlg</name>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.ui" line="+6"/>
        <source>Data directory</source>
        <translation>数据目录</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Where the program keeps its data</source>
        <translation>程序数据的保存位置</translation>
    </message>
    <message>
        <location line="+3"/>
        <location line="+17"/>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="+75"/>
        <location line="+8"/>
        <source>Browser</source>
        <translation>浏览</translation>
    </message>
    <message>
        <location line="-11"/>
        <source>Data of the older program (optional)</source>
        <translation>旧版程序的数据（可选）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The folder holding the &quot;Vitacor_&quot; folders of each monitor. Leave it empty to start without them.</source>
        <translation>存放各设备“Vitacor_”文件夹的目录。留空则不导入。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Auto-detected</source>
        <translation>自动检测</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Manual input</source>
        <translation>手动输入</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SetDataDirDlg.cpp" line="-59"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Import data of the older program</source>
        <translation>导入旧版程序的数据</translation>
    </message>
    <message>
        <location line="+70"/>
        <location line="+16"/>
        <location line="+5"/>
        <location line="+54"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-59"/>
        <source>Create directory failed.</source>
        <translation>创建目录失败。</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>No &quot;Vitacor_&quot; folder of the older program was found in %1.</source>
        <translation>在 %1 中未找到旧版程序的“Vitacor_”文件夹。</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>The data of some monitors could not be stored; the others were imported.</source>
        <translation>部分设备的数据无法保存，其余设备已导入。</translation>
    </message>
</context>
<context>
    <name>SettingDlg</name>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.ui" line="+6"/>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Language:</source>
        <translation>语言：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Tips:After modifying the language, restart the software.</source>
        <translation>提示：修改语言后，请重新启动软件。</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Distance unit:</source>
        <translation>距离单位：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Metric</source>
        <translation>公制</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Imperial</source>
        <translation>英制</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>温度：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Celsius</source>
        <translation>摄氏度</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Fahrenheit</source>
        <translation>华氏度</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Data saved in:</source>
        <translation>数据保存位置：</translation>
    </message>
    <message>
        <location line="+2"/>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="+221"/>
        <source>Browser</source>
        <translation>浏览</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Import data of the older program...</source>
        <translation>导入旧版程序的数据...</translation>
    </message>
    <message>
        <location filename="../../src/ui/settings/SettingDlg.cpp" line="-162"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <location line="+57"/>
        <location line="+4"/>
        <location line="+54"/>
        <location line="+4"/>
        <location line="+4"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="-66"/>
        <source>Can not select subdirectory.</source>
        <translation>不能选择子目录。</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>The chosen path is a file, not a folder.</source>
        <translation>所选路径是文件，而不是文件夹。</translation>
    </message>
    <message>
        <location line="+55"/>
        <source>Some files could be neither moved nor copied; they stay in %1.</source>
        <translation>部分文件既无法移动也无法复制，仍保留在 %1 中。</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Create directory failed.</source>
        <translation>创建目录失败。</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>The record database could not be copied to %1. Your data stays in %2; nothing was moved.</source>
        <translation>无法将记录数据库复制到 %1。数据仍保留在 %2 中，未移动任何内容。</translation>
    </message>
</context>
<context>
    <name>SlmReportHelper</name>
    <message>
        <location filename="../../src/report/SlmReportHelper.cpp" line="+78"/>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>PR(/min)</source>
        <translation>脉率(/min)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>SpO2(%)</source>
        <translation>血氧(%)</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Name:</source>
        <translation>姓名：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Remarks:</source>
        <translation>备注:</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Measuring Time:</source>
        <translation>测量时间:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Total Duration:</source>
        <translation>总时长：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>&lt;90% 统计：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>次下降，总时间：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Average:</source>
        <translation>平均：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Lowest:</source>
        <translation>最低：</translation>
    </message>
</context>
<context>
    <name>SlmReportViewer</name>
    <message>
        <location filename="../../src/ui/viewers/SlmReportViewer.cpp" line="+21"/>
        <source>Save as</source>
        <translation>另存为</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>提示</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Create file failed.</source>
        <translation>创建文件失败。</translation>
    </message>
</context>
<context>
    <name>SlmWidget</name>
    <message>
        <location filename="../../src/ui/rows/SlmWidget.cpp" line="+27"/>
        <source>Total Duration:</source>
        <translation>总时长：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>&lt;90% Statistics:</source>
        <translation>&lt;90% 统计：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>drops, Total time:</source>
        <translation>次下降，总时间：</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Average:</source>
        <translation>平均：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Lowest:</source>
        <translation>最低：</translation>
    </message>
</context>
<context>
    <name>Spo2TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/Spo2TempWidget.cpp" line="+22"/>
        <source>Body Temperature:</source>
        <translation>体温：</translation>
    </message>
</context>
<context>
    <name>SpotWidget</name>
    <message>
        <location filename="../../src/ui/rows/SpotWidget.cpp" line="+26"/>
        <source>patient id:</source>
        <translation>病历号：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>HR:</source>
        <translation>心率：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QRS:</source>
        <translation>QRS：</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>QT/QTc:</source>
        <translation>QT/QTc：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>SpO2:</source>
        <translation>血氧：</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>PI:</source>
        <translation>灌注指数：</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>Temperature:</source>
        <translation>体温：</translation>
    </message>
</context>
<context>
    <name>SummaryDlg</name>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.ui" line="+14"/>
        <source>Holter Summary</source>
        <translation>Holter 摘要</translation>
    </message>
    <message>
        <location line="+26"/>
        <source>Patient Information</source>
        <translation>患者信息</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Patient Name:</source>
        <translation>患者姓名：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>ID:</source>
        <translation>ID：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Gender:</source>
        <translation>性别：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Date of Birth:</source>
        <translation>出生日期：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Physician:</source>
        <translation>医生：</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>Indications:</source>
        <translation>适应症：</translation>
    </message>
    <message>
        <location line="+36"/>
        <source>Recording Information</source>
        <translation>记录信息</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Record Date:</source>
        <translation>记录日期：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Start Time:</source>
        <translation>开始时间：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Time:</source>
        <translation>总时长：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Total Strips:</source>
        <translation>总条数：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Lead:</source>
        <translation>导联：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>General Summary</source>
        <translation>总体摘要</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>Max HR:</source>
        <translation>最高心率：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Min HR:</source>
        <translation>最低心率：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Avg HR:</source>
        <translation>平均心率：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>QRS Complexes:</source>
        <translation>QRS 波群数：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PVCs:</source>
        <translation>室性早搏：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>Pause(&gt;3s)</source>
        <translation>停搏(&gt;3秒)</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Heart Rate Variability</source>
        <translation>心率变异性</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>MEAN:</source>
        <translation>平均 RR：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>SDNN:</source>
        <translation>SDNN：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>RMSSD:</source>
        <translation>RMSSD：</translation>
    </message>
    <message>
        <location line="+17"/>
        <source>PNN50:</source>
        <translation>PNN50：</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Comments:</source>
        <translation>备注：</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Strips Screening</source>
        <translation>片段筛选</translation>
    </message>
    <message>
        <location line="+14"/>
        <source>HR≥120</source>
        <translation>心率≥120</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>HR≤50</source>
        <translation>心率≤50</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QRS≥120ms</source>
        <translation>QRS≥120ms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>QTc≥480ms</source>
        <translation>QTc≥480ms</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>PVCs≥2</source>
        <translation>室早≥2</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Irregular R-R</source>
        <translation>RR 间期不齐</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Pause</source>
        <translation>停搏</translation>
    </message>
    <message>
        <location line="+9"/>
        <source>0 strips found</source>
        <translation>找到 0 条</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>View all ECG</source>
        <translation>查看全部心电图</translation>
    </message>
    <message>
        <location line="+26"/>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="+227"/>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Holter ECG Report</source>
        <translation>Holter 心电报告</translation>
    </message>
    <message>
        <location line="+25"/>
        <source>Save EDF+</source>
        <translation>保存为 EDF+</translation>
    </message>
    <message>
        <location filename="../../src/ui/holter/SummaryDlg.cpp" line="-145"/>
        <source>Male</source>
        <translation>男</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Female</source>
        <translation>女</translation>
    </message>
    <message>
        <location line="+54"/>
        <source>strips found</source>
        <translation>条已找到</translation>
    </message>
    <message>
        <location line="+68"/>
        <source>error</source>
        <translation>错误</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>fail to save</source>
        <translation>保存失败</translation>
    </message>
    <message>
        <location line="+21"/>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>SyncDlg</name>
    <message>
        <location filename="../../src/ui/download/SyncDlg.ui" line="+8"/>
        <location line="+39"/>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="+213"/>
        <source>Download</source>
        <translation>下载</translation>
    </message>
    <message>
        <location line="-31"/>
        <source>No monitor found. Plug a monitor in with its USB cable and switch it on; it appears here by itself. On Linux the program needs the udev rule for the monitor (see the README).</source>
        <translation>未找到监护仪。请用 USB 线连接监护仪并开机，它会自动出现在这里。在 Linux 上，程序需要该监护仪的 udev 规则（见 README）。</translation>
    </message>
    <message>
        <location line="+24"/>
        <source>Refresh Device List</source>
        <translation>刷新设备列表</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Download all device files</source>
        <translation>下载设备中的所有文件</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <location filename="../../src/ui/download/SyncDlg.cpp" line="-80"/>
        <source>A monitor is plugged in at %1, but this user may not open it. Install the udev rule that comes with the program as %2, then unplug the monitor and plug it in again.</source>
        <translation>监护仪已连接在 %1，但当前用户无权打开它。请将程序附带的 udev 规则安装为 %2，然后拔下监护仪并重新插入。</translation>
    </message>
    <message>
        <location line="+32"/>
        <source>Another download of this monitor is running</source>
        <translation>该设备的另一个下载正在进行</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed: the data directory cannot be written (%1)</source>
        <translation>下载失败：无法写入数据目录（%1）</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed. Check the cable</source>
        <translation>下载失败。请检查数据线</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Download failed</source>
        <translation>下载失败</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Download completed</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Holter recording not downloaded</source>
        <translation>Holter记录未下载</translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n record(s) without a valid time passed over</source>
        <translation>
            <numerusform>已跳过%n条时间无效的记录</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <location line="+2"/>
        <source>%n check(s) not stored: a stored check of another type has the same time</source>
        <translation>
            <numerusform>%n项测量未保存：已保存的另一类型测量具有相同时间</numerusform>
        </translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Holter recording not stored: its size or duration disagrees with its header</source>
        <translation>Holter记录未保存：其大小或时长与文件头不符</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The download folder could not be removed (%1)</source>
        <translation>无法删除下载文件夹（%1）</translation>
    </message>
    <message>
        <location line="+31"/>
        <source>The files of %1 arrived but could not be stored; nothing of this download was kept. Try the download again.</source>
        <translation>%1 的文件已收到但无法保存；本次下载的内容均未保留。请重新下载。</translation>
    </message>
</context>
<context>
    <name>TempWidget</name>
    <message>
        <location filename="../../src/ui/rows/TempWidget.cpp" line="+21"/>
        <source>Object temperature:</source>
        <translation>物体温度：</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Body temperature:</source>
        <translation>体温：</translation>
    </message>
</context>
<context>
    <name>ViewAllEcgDlg</name>
    <message>
        <location filename="../../src/ui/holter/ViewAllEcgDlg.ui" line="+14"/>
        <source>ECG</source>
        <translation>心电图</translation>
    </message>
    <message>
        <location line="+39"/>
        <source>Previous Page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <location line="+42"/>
        <source>Next Page</source>
        <translation>下一页</translation>
    </message>
</context>
</TS>
