<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
<context>
    <name>AdapterAdvice</name>
    <message>
        <source>Ready.</source>
        <translation>可以使用。</translation>
    </message>
    <message>
        <source>brltty took the %1 adapter for a braille display, so it has no serial device.</source>
        <translation>brltty 把 %1 适配器当作盲文显示器占用了，因此它没有串口设备。</translation>
    </message>
    <message>
        <source>Unless you use a braille display, run &quot;sudo apt remove brltty&quot; and plug the adapter in again.</source>
        <translation>如不使用盲文显示器，请运行 &quot;sudo apt remove brltty&quot;，然后重新插上适配器。</translation>
    </message>
    <message>
        <source>No driver has taken the %1 adapter: it needs the kernel module %2.</source>
        <translation>没有驱动接管 %1 适配器：它需要内核模块 %2。</translation>
    </message>
    <message>
        <source>Run &quot;sudo modprobe %2&quot;; if that fails, the kernel was updated: restart the computer.</source>
        <translation>请运行 &quot;sudo modprobe %2&quot;；如果失败，说明内核已更新：请重新启动计算机。</translation>
    </message>
    <message>
        <source>You may not open %1: it belongs to the group %2, and your user is not in it.</source>
        <translation>您无权打开 %1：它属于 %2 组，而您的用户不在该组中。</translation>
    </message>
    <message>
        <source>Run &quot;sudo adduser $USER %2&quot;, then log out and back in. Installed from its package, Rotaline opens %4 adapters without it (plug the adapter in again after installing).</source>
        <translation>请运行 &quot;sudo adduser $USER %2&quot;，然后注销并重新登录。从软件包安装后，Rotaline 无需该组即可打开 %4 适配器（安装后请重新插上适配器）。</translation>
    </message>
    <message>
        <source>Your user was added to the group %2 after this login began, so %1 may not be opened yet.</source>
        <translation>您的用户在本次登录之后才加入 %2 组，因此还不能打开 %1。</translation>
    </message>
    <message>
        <source>Log out and back in (or restart the computer).</source>
        <translation>请注销并重新登录（或重新启动计算机）。</translation>
    </message>
    <message>
        <source>ModemManager is probing %1 for a modem.</source>
        <translation>ModemManager 正在探测 %1 是否为调制解调器。</translation>
    </message>
    <message>
        <source>Wait a few seconds, or run &quot;sudo systemctl stop ModemManager&quot;.</source>
        <translation>请等几秒钟，或运行 &quot;sudo systemctl stop ModemManager&quot;。</translation>
    </message>
    <message>
        <source>%1 is in use by %2 (process %3).</source>
        <translation>%1 正被 %2（进程 %3）占用。</translation>
    </message>
    <message>
        <source>Close %2, then choose the port again.</source>
        <translation>请关闭 %2，然后重新选择该端口。</translation>
    </message>
    <message>
        <source>Rotaline runs in a sandbox that shows it no serial devices.</source>
        <translation>Rotaline 运行在沙盒中，看不到任何串口设备。</translation>
    </message>
    <message>
        <source>Allow it serial devices with &quot;%2&quot;, then start Rotaline again.</source>
        <translation>请用 &quot;%2&quot; 允许它访问串口设备，然后重新启动 Rotaline。</translation>
    </message>
    <message>
        <source>No serial adapter is plugged in: the system shows none on USB.</source>
        <translation>没有插上串口适配器：系统在 USB 上找不到任何串口适配器。</translation>
    </message>
    <message>
        <source>Plug the adapter in. If it still does not show, its cable may be a charge-only cable (without data lines) or its hub may have no power: try another cable or socket.</source>
        <translation>请插上适配器。如果仍然没有出现，可能是只能充电的数据线（没有数据线芯），或集线器没有供电：请换一根线或换一个插口。</translation>
    </message>
    <message>
        <source>Another adapter of its kind has the same name, so its COM number follows the USB socket: keep the cable in that socket.</source>
        <translation>另一个同型号的适配器与它同名，因此它的 COM 口号跟随 USB 插口：请让连线一直插在这个插口。</translation>
    </message>
    <message>
        <source>Rotaline runs as root, which may open any serial device.</source>
        <translation>Rotaline 以 root 身份运行，可以打开任何串口设备。</translation>
    </message>
    <message>
        <source>Your user is in the group &quot;dialout&quot;, so it may open any serial adapter.</source>
        <translation>您的用户属于 &quot;dialout&quot; 组，可以打开任何串口适配器。</translation>
    </message>
    <message>
        <source>Your user was added to the group &quot;dialout&quot; after this login began: log out and back in before it may open serial adapters.</source>
        <translation>您的用户在本次登录之后才加入 &quot;dialout&quot; 组：请注销并重新登录，之后才能打开串口适配器。</translation>
    </message>
    <message>
        <source>Installed from its package, Rotaline lets the user at the desktop open %1 adapters. Other devices need the group &quot;dialout&quot;, which your user is not in: run &quot;sudo adduser $USER dialout&quot;, then log out and back in.</source>
        <translation>从软件包安装后，Rotaline 允许桌面用户打开 %1 适配器。其他设备需要 &quot;dialout&quot; 组的权限，您的用户不属于该组：请运行 &quot;sudo adduser $USER dialout&quot;，然后注销并重新登录。</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 和 %2</translation>
    </message>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1%2</translation>
    </message>
    <message>
        <source>%1 is not present.</source>
        <translation>%1 不存在。</translation>
    </message>
    <message>
        <source>Plug the adapter in, or give its COM number to the adapter&apos;s device.</source>
        <translation>请插入适配器，或将此 COM 号分配给适配器的设备。</translation>
    </message>
    <message>
        <source>%1 is not a serial device.</source>
        <translation>%1 不是串口设备。</translation>
    </message>
    <message>
        <source>Give its COM number to the adapter&apos;s device.</source>
        <translation>请将此 COM 号分配给适配器的设备。</translation>
    </message>
    <message>
        <source>No driver is installed for the %1 adapter.</source>
        <translation>%1 适配器没有安装驱动程序。</translation>
    </message>
    <message>
        <source>Install its driver, %2, then plug the adapter in again. Windows Update may offer it under Optional updates.</source>
        <translation>请安装它的驱动程序 %2，然后重新插上适配器。Windows 更新也可能在&quot;可选更新&quot;中提供它。</translation>
    </message>
    <message>
        <source>The driver of the %1 adapter could not start it.</source>
        <translation>%1 适配器的驱动程序无法启动它。</translation>
    </message>
    <message>
        <source>Plug the adapter in again; if that does not help, install its driver, %2, again. Prolific&apos;s newer drivers refuse old and copied PL2303 chips: use an adapter with another chip.</source>
        <translation>请重新插上适配器；如果仍然无效，请重新安装它的驱动程序 %2。Prolific 较新的驱动程序会拒绝旧的和仿制的 PL2303 芯片：请改用其他芯片的适配器。</translation>
    </message>
    <message>
        <source>The %1 adapter is disabled in the Device Manager.</source>
        <translation>%1 适配器已在设备管理器中被禁用。</translation>
    </message>
    <message>
        <source>In the Device Manager, right-click the adapter and choose &quot;Enable device&quot;.</source>
        <translation>请在设备管理器中右键单击该适配器，然后选择&quot;启用设备&quot;。</translation>
    </message>
    <message>
        <source>The driver of the %1 adapter makes no COM port for it.</source>
        <translation>%1 适配器的驱动程序没有为它创建 COM 端口。</translation>
    </message>
    <message>
        <source>Install its driver, %2, which makes one. FTDI&apos;s driver makes one only with &quot;Load VCP&quot; ticked: Device Manager, the adapter&apos;s &quot;USB Serial Converter&quot;, Properties, Advanced.</source>
        <translation>请安装它的驱动程序 %2，它会创建 COM 端口。FTDI 的驱动程序只有在勾选&quot;Load VCP&quot;时才会创建：设备管理器，该适配器的&quot;USB Serial Converter&quot;，属性，高级。</translation>
    </message>
</context>
<context>
    <name>AdapterReport</name>
    <message>
        <source>stable name</source>
        <translation>固定名称</translation>
    </message>
    <message>
        <source>COM number</source>
        <translation>COM口</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>state</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>problem</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>fix</source>
        <translation>解决</translation>
    </message>
    <message>
        <source>no serial device</source>
        <translation>没有串口设备</translation>
    </message>
</context>
<context>
    <name>AdaptersDialog</name>
    <message>
        <source>Serial adapters</source>
        <translation>串口适配器</translation>
    </message>
    <message>
        <source>Give your programming adapter a COM number. It keeps it when it is plugged in again.</source>
        <translation>为编程适配器指定一个 COM 口号。重新插上后仍然保持。</translation>
    </message>
    <message>
        <source>assigned by hand</source>
        <translation>手动指定</translation>
    </message>
    <message>
        <source>assigned, not present</source>
        <translation>已指定，不存在</translation>
    </message>
    <message>
        <source>Device path:</source>
        <translation>设备路径：</translation>
    </message>
    <message>
        <source>Assign</source>
        <translation>指定</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM口</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>适配器</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Stable name</source>
        <translation>固定名称</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>%1 is given to %2. Give it to %3 instead?</source>
        <translation>%1 已指定给 %2。改为指定给 %3 吗？</translation>
    </message>
</context>
<context>
    <name>Catalogue</name>
    <message>
        <source>Airplane</source>
        <translation>固定翼飞机</translation>
    </message>
    <message>
        <source>Helicopter</source>
        <translation>直升飞机</translation>
    </message>
    <message>
        <source>Boat</source>
        <translation>船用</translation>
    </message>
    <message>
        <source>Car</source>
        <translation>车用</translation>
    </message>
    <message>
        <source>&lt;=30A for aireplane</source>
        <translation>&lt;=30A固定翼飞机用</translation>
    </message>
    <message>
        <source>&gt;=40A for aireplane</source>
        <translation>&gt;=40A固定翼飞机用</translation>
    </message>
    <message>
        <source>&lt;=30A for helicopter</source>
        <translation>&lt;=30A直升飞机用</translation>
    </message>
    <message>
        <source>&gt;=40A for helicopter</source>
        <translation>&gt;=40A直升飞机用</translation>
    </message>
    <message>
        <source>&gt;=40A for boat</source>
        <translation>&gt;=40A船用</translation>
    </message>
    <message>
        <source>30A for car</source>
        <translation>30A车用</translation>
    </message>
    <message>
        <source>&gt;=50A for car</source>
        <translation>&gt;=50A车用</translation>
    </message>
</context>
<context>
    <name>ControlNames</name>
    <message>
        <source>The controller model. Choosing one restores and sends its factory defaults.</source>
        <translation>控制器型号。选择后恢复并发送该型号的出厂默认值。</translation>
    </message>
    <message>
        <source>Click it to choose the serial adapter for each COM number.</source>
        <translation>单击可为各个 COM 号选择串口适配器。</translation>
    </message>
    <message>
        <source>The serial port of the programming adapter. Choosing one sends it the handshake.</source>
        <translation>编程适配器所在的串口。选择后即向其发送握手信号。</translation>
    </message>
    <message>
        <source>Port ready</source>
        <translation>端口就绪</translation>
    </message>
    <message>
        <source>The adapter took the handshake. Click it to choose the serial adapter for each COM number.</source>
        <translation>适配器已接收握手信号。单击可为各个 COM 号选择串口适配器。</translation>
    </message>
    <message>
        <source>Port not usable</source>
        <translation>端口不可用</translation>
    </message>
    <message>
        <source>Restores every setting to the factory default of the chosen model and sends it.</source>
        <translation>把所有设置恢复为所选型号的出厂默认值并发送。</translation>
    </message>
    <message>
        <source>Change notes</source>
        <translation>设置记录</translation>
    </message>
    <message>
        <source>One line for each setting sent to the controller; what the controller sends back shows here too.</source>
        <translation>每发送一项设置记录一行；控制器发回的内容也显示在这里。</translation>
    </message>
    <message>
        <source>Empties the change notes.</source>
        <translation>清空设置记录。</translation>
    </message>
    <message>
        <source>ESC type</source>
        <translation>电调类型</translation>
    </message>
    <message>
        <source>The kind of model the controller is for; each kind has its own settings.</source>
        <translation>控制器所用的模型种类；每种都有各自的设置。</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Open, save, about.</source>
        <translation>打开、保存、关于。</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Sent so far</source>
        <translation>已发送</translation>
    </message>
    <message>
        <source>Open a settings file</source>
        <translation>打开设置文件</translation>
    </message>
    <message>
        <source>Save the settings to a file</source>
        <translation>把设置保存到文件</translation>
    </message>
    <message>
        <source>About Rotaline</source>
        <translation>关于 Rotaline</translation>
    </message>
</context>
<context>
    <name>FactoryDefaults</name>
    <message>
        <source>All setting is in factory default</source>
        <translation>所有设置已恢复到出厂默认值</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>no adapter</source>
        <translation>无适配器</translation>
    </message>
    <message>
        <source>sent in full</source>
        <translation>全部发送</translation>
    </message>
    <message>
        <source>NOT sent in full</source>
        <translation>未全部发送</translation>
    </message>
    <message numerus="yes">
        <source>%n changed from factory</source>
        <translation>
            <numerusform>%n 项与出厂设置不同</numerusform>
        </translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>%1: a record the window cannot load, skipped</source>
        <translation>%1：窗口无法载入的记录，已跳过</translation>
    </message>
</context>
<context>
    <name>HistoryDialog</name>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>When</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>COM port</source>
        <translation>COM口</translation>
    </message>
    <message>
        <source>Adapter</source>
        <translation>适配器</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Changed</source>
        <translation>已更改</translation>
    </message>
    <message>
        <source>Sent in full</source>
        <translation>全部发送</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>not confirmed</source>
        <translation>未确认</translation>
    </message>
    <message>
        <source>Records, newest first</source>
        <translation>记录，最新的在前</translation>
    </message>
    <message>
        <source>Settings of the record</source>
        <translation>记录的设置</translation>
    </message>
    <message>
        <source>Nothing has been sent to a controller yet.</source>
        <translation>尚未向控制器发送任何设置。</translation>
    </message>
    <message>
        <source>The journal %1 cannot be read: %2</source>
        <translation>无法读取日志 %1：%2</translation>
    </message>
    <message>
        <source>%1 is larger than the journal grows: only its newest records are shown.</source>
        <translation>%1 超出日志应有的大小：只显示最新的记录。</translation>
    </message>
    <message>
        <source>This record cannot be shown.</source>
        <translation>无法显示这条记录。</translation>
    </message>
    <message>
        <source>&amp;Compare with window</source>
        <translation>与窗口比较(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Load into window</source>
        <translation>载入窗口(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Save as settings file...</source>
        <translation>另存为设置文件(&amp;S)...</translation>
    </message>
    <message>
        <source>The window holds the same settings.</source>
        <translation>窗口中的设置与此相同。</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>设置无法保存到 %1：<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Open...</source>
        <translation>打开...</translation>
    </message>
    <message>
        <source>Save...</source>
        <translation>保存...</translation>
    </message>
    <message>
        <source>Serial adapters...</source>
        <translation>串口适配器...</translation>
    </message>
    <message>
        <source>Send all settings again(&amp;A)</source>
        <translation>重新发送全部设置(&amp;A)</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Undo(&amp;U)</source>
        <translation>撤销(&amp;U)</translation>
    </message>
    <message>
        <source>Redo(&amp;R)</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>Langage</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>How to Use...</source>
        <translation>怎样使用...</translation>
    </message>
    <message>
        <source>About...</source>
        <translation>关于...</translation>
    </message>
    <message>
        <source>COM port Select</source>
        <translation>COM口选取</translation>
    </message>
    <message>
        <source>Factory Default</source>
        <translation>恢复工厂默认值</translation>
    </message>
    <message>
        <source>Clear Note</source>
        <translation>清除记录</translation>
    </message>
    <message>
        <source>ESC Type</source>
        <translation>ESC 型号</translation>
    </message>
    <message>
        <source>Software will be changed into english version,all of the setting must be reset,</source>
        <translation>软件将切换为中文版本，所有的设置都必须重新设定，</translation>
    </message>
    <message>
        <source>Do you want to countiune?</source>
        <translation>要继续吗？</translation>
    </message>
    <message>
        <source>Language:English</source>
        <translation>语言:中文</translation>
    </message>
    <message>
        <source>History...(&amp;H)</source>
        <translation>历史记录...(&amp;H)</translation>
    </message>
    <message>
        <source>Print setup sheet...(&amp;P)</source>
        <translation>打印设置单...(&amp;P)</translation>
    </message>
    <message>
        <source>Export setup sheet as PDF...(&amp;D)</source>
        <translation>导出设置单为 PDF...(&amp;D)</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
</context>
<context>
    <name>LineStatus</name>
    <message numerus="yes">
        <source>Sending to %1… %n message(s) left (%2 s)</source>
        <translation>
            <numerusform>正在发送到 %1… 还剩 %n 条消息（%2 秒）</numerusform>
        </translation>
    </message>
    <message>
        <source>All settings sent to %1 at %2</source>
        <translation>所有设置已于 %2 发送到 %1</translation>
    </message>
    <message>
        <source>Handshake sent to %1</source>
        <translation>握手信号已发送到 %1</translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) not sent to the controller — File &gt; Send all settings again</source>
        <translation>
            <numerusform>%n 项设置未发送到控制器 — 文件 &gt; 重新发送全部设置</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n setting(s) not sent to the controller — choose the model first</source>
        <translation>
            <numerusform>%n 项设置未发送到控制器 — 请先选择型号</numerusform>
        </translation>
    </message>
    <message>
        <source>Finishing sending to the controller…</source>
        <translation>正在完成向控制器的发送…</translation>
    </message>
    <message>
        <source>Quit now</source>
        <translation>立即退出</translation>
    </message>
    <message>
        <source>%1 is back</source>
        <translation>%1 已重新连接</translation>
    </message>
    <message numerus="yes">
        <source>%1 is back — %n setting(s) not sent: File &gt; Send all settings again</source>
        <translation>
            <numerusform>%1 已重新连接 — %n 项设置未发送：文件 &gt; 重新发送全部设置</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is back — %n setting(s) not sent: choose the model first</source>
        <translation>
            <numerusform>%1 已重新连接 — %n 项设置未发送：请先选择型号</numerusform>
        </translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source> port is invalid !</source>
        <translation>口是无效的！</translation>
    </message>
    <message>
        <source> is invalild ! </source>
        <translation>是无效的 ！ </translation>
    </message>
    <message>
        <source>Please slect other COM port !</source>
        <translation>请选取别的COM口!</translation>
    </message>
    <message>
        <source>Rotaline cannot read its settings file %1:<byte value="xd"/>
%2<byte value="xd"/>
It starts without its recent files and adapter assignments, and leaves the file as it is.</source>
        <translation>Rotaline 无法读取设置文件 %1：<byte value="xd"/>
%2<byte value="xd"/>
程序将不带最近文件和适配器分配启动，并且不改动该文件。</translation>
    </message>
    <message>
        <source>Rotaline cannot keep its settings in %1:<byte value="xd"/>
%2<byte value="xd"/>
The recent files and adapter assignments last until you quit.</source>
        <translation>Rotaline 无法把设置保存到 %1：<byte value="xd"/>
%2<byte value="xd"/>
最近文件和适配器分配只在本次运行中有效。</translation>
    </message>
    <message>
        <source>Rotaline cannot write its journal of what was sent:<byte value="xd"/>
%1<byte value="xd"/>
Programming goes on; File &gt; History lacks what is sent until the journal can be written again.</source>
        <translation>Rotaline 无法写入发送记录：<byte value="xd"/>
%1<byte value="xd"/>
编程照常进行；在记录恢复写入之前，“文件 &gt; 历史记录”中没有这段时间发送的内容。</translation>
    </message>
</context>
<context>
    <name>ModelSelection</name>
    <message>
        <source>ESC type  </source>
        <translation>ESC 型号  </translation>
    </message>
    <message>
        <source>No model chosen</source>
        <translation>未选择型号</translation>
    </message>
</context>
<context>
    <name>ParameterHints</name>
    <message>
        <source>degrees (°)</source>
        <translation>度（°）</translation>
    </message>
    <message>
        <source>amperes (A)</source>
        <translation>安培（A）</translation>
    </message>
    <message>
        <source>kilohertz (kHz)</source>
        <translation>千赫（kHz）</translation>
    </message>
    <message>
        <source>volts per cell (V)</source>
        <translation>伏特/节（V）</translation>
    </message>
    <message>
        <source>milliseconds of throttle pulse (ms)</source>
        <translation>毫秒，油门信号脉宽（ms）</translation>
    </message>
    <message>
        <source>percent of full power (%)</source>
        <translation>满功率的百分比（%）</translation>
    </message>
    <message>
        <source>seconds (s)</source>
        <translation>秒（s）</translation>
    </message>
    <message>
        <source>Factory default: </source>
        <translation>出厂默认值：</translation>
    </message>
    <message>
        <source>Unit: </source>
        <translation>单位：</translation>
    </message>
    <message>
        <source>Factory default: no number (the controller counts the cells itself)</source>
        <translation>出厂默认值：不选节数（控制器自行检测电池节数）</translation>
    </message>
</context>
<context>
    <name>Parameters</name>
    <message>
        <source>Battery</source>
        <translation>电池</translation>
    </message>
    <message>
        <source>Initial &amp; End Point</source>
        <translation>启动/停止点</translation>
    </message>
    <message>
        <source>Forward &amp; Revervse Point</source>
        <translation>向前/倒退点</translation>
    </message>
    <message>
        <source>Power Limit</source>
        <translation>功率限制</translation>
    </message>
    <message>
        <source>Current Limit</source>
        <translation>电流限制</translation>
    </message>
    <message>
        <source>The most current the motor may draw; above it the controller takes power back.</source>
        <translation>电机允许吸取的最大电流，超过时控制器会降低功率。</translation>
    </message>
    <message>
        <source>Timing Degree</source>
        <translation>提前角度数</translation>
    </message>
    <message>
        <source>How far ahead the controller switches the motor&apos;s windings. More timing gives more speed and power, but also more current and heat.</source>
        <translation>控制器为电机换相的提前角度。角度越大，转速和功率越高，电流和发热也越大。</translation>
    </message>
    <message>
        <source>Timing Montor</source>
        <translation>时间监视</translation>
    </message>
    <message>
        <source>ON|OFF</source>
        <translation>开|关</translation>
    </message>
    <message>
        <source>Whether the controller watches the motor&apos;s timing while it runs and corrects it.</source>
        <translation>控制器是否在运转中监测电机的换相时机并自动修正。</translation>
    </message>
    <message>
        <source>Accumulator Type</source>
        <translation>电池种类</translation>
    </message>
    <message>
        <source>NiCd/NiMH |Li-ion/Poly </source>
        <translation>镍镉/镍氢|锂离子/锂聚合物</translation>
    </message>
    <message>
        <source>The kind of battery that powers the model; it decides which cut-off voltages apply.</source>
        <translation>为模型供电的电池种类，决定采用哪一组关断电压。</translation>
    </message>
    <message>
        <source>Number of Cell</source>
        <translation>电池节数</translation>
    </message>
    <message>
        <source>How many cells the battery has in series. Auto counts them when the battery is plugged in.</source>
        <translation>电池串联的节数。选“Auto”时，插上电池后自动识别。</translation>
    </message>
    <message>
        <source>Cut Off Per Cell</source>
        <translation>关断电压/每节</translation>
    </message>
    <message>
        <source>NiCd/NiMH: when a cell drops to this voltage, the controller cuts the motor&apos;s power so that the battery is not run flat.</source>
        <translation>镍镉/镍氢电池：每节电压降到此值时，控制器降低电机功率，以免电池过放。</translation>
    </message>
    <message>
        <source>Cut Off Type</source>
        <translation>关断方式</translation>
    </message>
    <message>
        <source>Slow Down|Hard</source>
        <translation>缓慢|快速</translation>
    </message>
    <message>
        <source>What happens at the cut-off voltage: the motor slows down gradually, or stops at once.</source>
        <translation>电池到达关断电压后的处理方式：电机逐渐减速，或立即停转。</translation>
    </message>
    <message>
        <source>Li-ion/Poly: when a cell drops to this voltage, the controller cuts the motor&apos;s power so that the battery is not run flat.</source>
        <translation>锂离子/锂聚合物电池：每节电压降到此值时，控制器降低电机功率，以免电池过放。</translation>
    </message>
    <message>
        <source>Throttle Curve</source>
        <translation>油门曲线</translation>
    </message>
    <message>
        <source>Logarithmical|Linear|Exponetial</source>
        <translation>对数型|线性|指数型</translation>
    </message>
    <message>
        <source>How the motor&apos;s power follows the throttle stick: logarithmical gives more power early, exponential more near the top, linear in step with the stick.</source>
        <translation>电机功率随油门杆变化的方式：对数型前段出力快，指数型后段出力猛，线性则与油门杆成正比。</translation>
    </message>
    <message>
        <source> Acceleration</source>
        <translation>加速模式</translation>
    </message>
    <message>
        <source>Soft|Midium|Hard</source>
        <translation>柔和|中等|硬性</translation>
    </message>
    <message>
        <source>How quickly the motor follows a sudden opening of the throttle. Soft spares gears and belts.</source>
        <translation>猛推油门时电机加速的快慢。柔和模式可减轻齿轮和皮带的冲击。</translation>
    </message>
    <message>
        <source>Freqency</source>
        <translation>频率</translation>
    </message>
    <message>
        <source>8KHz|16KHz|32KHz</source>
        <translation>8KHz|16KHz|32KHz</translation>
    </message>
    <message>
        <source>How often the controller switches the motor current (PWM). Higher runs smoother, lower keeps the controller cooler.</source>
        <translation>控制器驱动电机的开关频率（PWM）。频率高运转更平顺，频率低控制器发热更少。</translation>
    </message>
    <message>
        <source>Initial Point</source>
        <translation>启动点</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS|Fixed 1.4mS|Fixed 1.5mS</source>
        <translation>自动|固定1.0mS|固定1.1mS|固定1.2mS|固定1.3mS|固定1.4mS|固定1.5mS</translation>
    </message>
    <message>
        <source>The throttle signal at which the motor starts. Automatic learns it from the transmitter.</source>
        <translation>电机开始转动时的油门信号。选“自动”时从遥控器学习。</translation>
    </message>
    <message>
        <source>End Point</source>
        <translation>停止点</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS|Fixed 2.0mS</source>
        <translation>自动|固定1.7mS|固定1.8mS|固定1.9mS|固定2.0mS</translation>
    </message>
    <message>
        <source>The throttle signal that gives full power. Automatic learns it from the transmitter.</source>
        <translation>达到全油门时的油门信号。选“自动”时从遥控器学习。</translation>
    </message>
    <message>
        <source>Forward Point</source>
        <translation>向前点</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.7mS|Fixed 1.8mS|Fixed 1.9mS</source>
        <translation>自动|固定1.7mS|固定1.8mS|固定1.9mS</translation>
    </message>
    <message>
        <source>The throttle signal that gives full forward power. Automatic learns it from the transmitter.</source>
        <translation>前进达到全功率时的油门信号。选“自动”时从遥控器学习。</translation>
    </message>
    <message>
        <source>Reverse Point</source>
        <translation>倒退点</translation>
    </message>
    <message>
        <source>Automatic|Fixed 1.0mS|Fixed 1.1mS|Fixed 1.2mS|Fixed 1.3mS</source>
        <translation>自动|固定1.0mS|固定1.1mS|固定1.2mS|固定1.3mS</translation>
    </message>
    <message>
        <source>The throttle signal that gives full reverse power. Automatic learns it from the transmitter.</source>
        <translation>倒退达到全功率时的油门信号。选“自动”时从遥控器学习。</translation>
    </message>
    <message>
        <source>Rotation</source>
        <translation>转动方向</translation>
    </message>
    <message>
        <source>Left|Right</source>
        <translation>左转|右转</translation>
    </message>
    <message>
        <source>Which way the motor turns, without swapping its wires.</source>
        <translation>电机的转动方向，无需对调电机线即可改变。</translation>
    </message>
    <message>
        <source>Reverse</source>
        <translation>倒退功能</translation>
    </message>
    <message>
        <source>Whether the motor may also run in reverse.</source>
        <translation>是否允许电机反转（倒车）。</translation>
    </message>
    <message>
        <source>Forward </source>
        <translation>向前</translation>
    </message>
    <message>
        <source>Holds the power back when going forward. OFF gives full power.</source>
        <translation>限制前进时的功率。选“OFF”为全功率。</translation>
    </message>
    <message>
        <source>Reverse </source>
        <translation>倒退</translation>
    </message>
    <message>
        <source>Holds the power back when going in reverse. OFF gives full power.</source>
        <translation>限制倒退时的功率。选“OFF”为全功率。</translation>
    </message>
    <message>
        <source>Delay Time</source>
        <translation>延迟时间</translation>
    </message>
    <message>
        <source>How long the controller waits before it goes from forward into reverse.</source>
        <translation>由前进转为倒退之前，控制器等待的时间。</translation>
    </message>
    <message>
        <source>Brake Type</source>
        <translation>刹车类型</translation>
    </message>
    <message>
        <source>OFF|Extra Soft|Soft|Medium|Hard|Extra Hard</source>
        <translation>关|极柔和|柔和|中等|硬性|超硬性</translation>
    </message>
    <message>
        <source>How hard the motor brakes when the throttle is closed. OFF lets it turn freely.</source>
        <translation>收油门时电机的刹车力度。选“关”时电机自由滑行。</translation>
    </message>
    <message>
        <source>Anti-lock braking: the brake is released in short pulses so that the wheels do not lock.</source>
        <translation>防抱死刹车：刹车时间歇放松，避免车轮抱死。</translation>
    </message>
    <message>
        <source>Helicopter Mode</source>
        <translation>直升机模式</translation>
    </message>
    <message>
        <source>Constant RPM|Normal</source>
        <translation>定速|普通</translation>
    </message>
    <message>
        <source>Constant RPM holds the rotor speed steady whatever the load; Normal follows the throttle directly.</source>
        <translation>定速模式在负载变化时保持旋翼转速不变；普通模式下转速直接跟随油门。</translation>
    </message>
    <message>
        <source>Motor Pole No.</source>
        <translation>马达极数</translation>
    </message>
    <message>
        <source>The number of magnet poles of the motor, so that the controller drives it in step.</source>
        <translation>电机的磁极数，控制器据此与电机同步驱动。</translation>
    </message>
</context>
<context>
    <name>PortHelp</name>
    <message>
        <source>Choose the adapter for COM%1 in File &gt; Serial adapters... (or click the lamp).</source>
        <translation>请在 文件 &gt; 串口适配器... 中为 COM%1 选择适配器（或单击指示灯）。</translation>
    </message>
    <message>
        <source>Give COM%1 a serial adapter in File &gt; Serial adapters... (or click the lamp).</source>
        <translation>请在 文件 &gt; 串口适配器... 中为 COM%1 指定一个串口适配器（或单击指示灯）。</translation>
    </message>
    <message>
        <source>Correct the settings file or move it away, then start Rotaline again.</source>
        <translation>请修正或移走该设置文件，然后重新启动 Rotaline。</translation>
    </message>
    <message>
        <source>Plug in the adapter, or choose another one for COM%1 in File &gt; Serial adapters...</source>
        <translation>请插上编程适配器，或在 文件 &gt; 串口适配器... 中为 COM%1 另选一个。</translation>
    </message>
    <message>
        <source>brltty is running: it takes CH340/CH341 adapters for braille displays, and their device vanishes. Unless you use a braille display, remove it (&quot;sudo apt remove brltty&quot;) and plug the adapter in again.</source>
        <translation>brltty 正在运行：它把 CH340/CH341 适配器当作盲文显示器占用，设备随即消失。如不使用盲文显示器，请卸载它（&quot;sudo apt remove brltty&quot;）后重新插上适配器。</translation>
    </message>
    <message>
        <source>ModemManager is probing the new port for a modem: wait a few seconds and choose the port again, or stop it with &quot;sudo systemctl stop ModemManager&quot;.</source>
        <translation>ModemManager 正在探测这个新端口：请等几秒钟后重新选择该端口，或用 &quot;sudo systemctl stop ModemManager&quot; 停止它。</translation>
    </message>
    <message>
        <source>Close the other program and choose the port again.</source>
        <translation>请关闭占用它的程序后重新选择该端口。</translation>
    </message>
    <message>
        <source>Plug the adapter in again, then File &gt; Send all settings again.</source>
        <translation>请重新插上适配器，然后选择 文件 &gt; 重新发送全部设置。</translation>
    </message>
    <message>
        <source>Plug the adapter in again, then choose the model.</source>
        <translation>请重新插上适配器，然后选择型号。</translation>
    </message>
    <message>
        <source>Check the adapter and its cable, then File &gt; Send all settings again.</source>
        <translation>请检查适配器及其连线，然后选择 文件 &gt; 重新发送全部设置。</translation>
    </message>
    <message>
        <source>Check the adapter and its cable, then choose the model.</source>
        <translation>请检查适配器及其连线，然后选择型号。</translation>
    </message>
    <message>
        <source>No adapter is assigned to COM%1.</source>
        <translation>COM%1 还没有指定适配器。</translation>
    </message>
    <message>
        <source>%2 is not present.</source>
        <translation>%2 不存在。</translation>
    </message>
    <message>
        <source>You may not use %2.</source>
        <translation>您无权使用 %2。</translation>
    </message>
    <message>
        <source>%2 is in use by another program.</source>
        <translation>%2 正被另一个程序占用。</translation>
    </message>
    <message>
        <source>%2 was disconnected with %5 bytes not yet sent.</source>
        <translation>%2 已断开，还有 %5 个字节未发送。</translation>
    </message>
    <message>
        <source>%2 stopped taking bytes; %5 of them were not sent.</source>
        <translation>%2 不再接收字节，其中 %5 个未发送。</translation>
    </message>
    <message>
        <source>%5 bytes for %2 were given up and not sent.</source>
        <translation>%2 的 %5 个字节已放弃，未发送。</translation>
    </message>
    <message>
        <source>Use %1 as COM1</source>
        <translation>把 %1 用作 COM1</translation>
    </message>
    <message>
        <source>%2 is in use by %3 (process %4).</source>
        <translation>%2 正被 %3（进程 %4）占用。</translation>
    </message>
    <message>
        <source>Installed from its package, Rotaline lets the user at the desktop open %2 adapters (plug the adapter in again after installing). For other devices, add yourself to the dialout group with &quot;sudo adduser $USER dialout&quot;, then log out and in again.</source>
        <translation>从软件包安装后，Rotaline 允许桌面用户直接打开 %2 适配器（安装后请重新插上适配器）。其他设备请用 &quot;sudo adduser $USER dialout&quot; 把自己加入 dialout 组，然后重新登录。</translation>
    </message>
    <message>
        <source>%2 is not a serial device.</source>
        <translation>%2 不是串口设备。</translation>
    </message>
</context>
<context>
    <name>Sending</name>
    <message>
        <source>Not sent to the controller</source>
        <translation>未发送到控制器</translation>
    </message>
    <message>
        <source>The controller counts the cells itself (Auto): choose their number</source>
        <translation>控制器自行检测电池节数（Auto）：请选择节数</translation>
    </message>
</context>
<context>
    <name>SettingsDescription</name>
    <message>
        <source>(not in use)</source>
        <translation>（未使用）</translation>
    </message>
</context>
<context>
    <name>SettingsFiles</name>
    <message>
        <source>File is not found or file is error!</source>
        <translation>文件已经删除或文件已经损坏</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>设置无法保存到 %1：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Saved to %1</source>
        <translation>已保存到 %1</translation>
    </message>
    <message>
        <source>Choose a model first: choosing it sends the factory settings</source>
        <translation>请先选择型号：选择型号即发送出厂设置</translation>
    </message>
</context>
<context>
    <name>SetupSheet</name>
    <message>
        <source>Rotaline setup sheet</source>
        <translation>Rotaline 设置单</translation>
    </message>
    <message>
        <source>Settings file: %1</source>
        <translation>设置文件：%1</translation>
    </message>
    <message>
        <source>not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>Date: %1</source>
        <translation>日期：%1</translation>
    </message>
    <message>
        <source>ESC type: %1</source>
        <translation>ESC 类型：%1</translation>
    </message>
    <message>
        <source>Model: %1</source>
        <translation>型号：%1</translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>未选择</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>值</translation>
    </message>
    <message>
        <source>Factory value</source>
        <translation>出厂值</translation>
    </message>
    <message>
        <source>not sent to the controller</source>
        <translation>未发送到控制器</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Journal: sent in full</source>
        <translation>日志：全部发送</translation>
    </message>
    <message>
        <source>Journal: NOT sent in full</source>
        <translation>日志：未全部发送</translation>
    </message>
    <message>
        <source>Journal: not confirmed</source>
        <translation>日志：未确认</translation>
    </message>
    <message>
        <source>%1, changed since saved</source>
        <translation>%1（保存后已更改）</translation>
    </message>
</context>
<context>
    <name>SheetCommands</name>
    <message>
        <source>The settings shown cannot be put on a sheet.</source>
        <translation>无法为当前设置生成设置单。</translation>
    </message>
    <message>
        <source>The setup sheet could not be saved to %1:<byte value="xd"/>
%2</source>
        <translation>设置单无法保存到 %1：<byte value="xd"/>
%2</translation>
    </message>
    <message>
        <source>Printing is not available:<byte value="xd"/>
%1</source>
        <translation>无法打印：<byte value="xd"/>
%1</translation>
    </message>
    <message>
        <source>Setup sheet saved to %1</source>
        <translation>设置单已保存到 %1</translation>
    </message>
</context>
<context>
    <name>SystemReasons</name>
    <message>
        <source>It is read-only.</source>
        <translation>该文件是只读的。</translation>
    </message>
    <message>
        <source>It is a folder.</source>
        <translation>这是一个文件夹。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>这不是普通文件。</translation>
    </message>
    <message>
        <source>It is a symbolic link.</source>
        <translation>这是一个符号链接。</translation>
    </message>
    <message>
        <source>It is larger than 64 KiB.</source>
        <translation>该文件大于 64 KiB。</translation>
    </message>
    <message>
        <source>It is full and cannot be rotated: %1</source>
        <translation>该文件已满，无法轮换：%1</translation>
    </message>
    <message>
        <source>The file could not be written.</source>
        <translation>无法写入该文件。</translation>
    </message>
    <message>
        <source>A value is too large to be saved.</source>
        <translation>有一个值太大，无法保存。</translation>
    </message>
    <message>
        <source>A line is longer than the file may grow.</source>
        <translation>一行的长度超过了文件允许的大小。</translation>
    </message>
    <message>
        <source>APPDATA is not set, so there is no folder for settings.</source>
        <translation>未设置 APPDATA，因此没有存放设置的文件夹。</translation>
    </message>
    <message>
        <source>HOME is not set, so there is no folder for settings.</source>
        <translation>未设置 HOME，因此没有存放设置的文件夹。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2</source>
        <translation>无法读取设置文件 %1：%2</translation>
    </message>
    <message>
        <source>In the settings file %1, %2 holds a comma outside quotes, so it is no single value.</source>
        <translation>设置文件 %1 中，%2 含有引号外的逗号，因此不是单个值。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: %2</source>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>%1 cannot be set to %2.</source>
        <translation>无法将 %1 设置为 %2。</translation>
    </message>
    <message>
        <source>The port is not open.</source>
        <translation>端口未打开。</translation>
    </message>
</context>
<context>
    <name>TypeTabs</name>
    <message>
        <source>Reverse </source>
        <translation>倒退</translation>
    </message>
    <message>
        <source>Rev./Brake</source>
        <translation>倒退/刹车</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>How to use Rotaline</source>
        <translation>Rotaline 使用说明</translation>
    </message>
    <message>
        <source>Connecting the controller</source>
        <translation>连接控制器</translation>
    </message>
    <message>
        <source>Plug the programming adapter into a USB port and its cable into the controller&apos;s programming socket (for most controllers, the throttle lead), then power the controller as its manual says.
Open File &gt; Serial adapters... (or click the lamp): it lists the serial adapters the system sees, says when none is plugged in and whether your user may open one, and gives your adapter a COM number. The adapter keeps that number when it is plugged in again.
The lamp beside the port list lights when the port opens. When it stays off, the status bar and the lamp&apos;s tooltip say why and how to fix it.</source>
        <translation>把编程适配器插入 USB 口，把它的连线接到控制器的编程插口（大多数控制器为油门线），然后按控制器说明书给它通电。
打开 文件 &gt; 串口适配器...（或单击指示灯）：窗口列出系统看到的串口适配器，没有插上时会说明，并说明您的用户能否打开它；在这里为适配器指定一个 COM 口号，重新插上后仍然保持。
端口打开后，端口列表旁的指示灯会亮。指示灯不亮时，状态栏和指示灯的提示会说明原因及解决办法。</translation>
    </message>
    <message>
        <source>Port, type and model</source>
        <translation>端口、类型和型号</translation>
    </message>
    <message>
        <source>Choose the COM number of your adapter in the port list. Then choose the tab of your controller&apos;s type (airplane, helicopter, boat or car) and its model in the list on that tab: choosing the model sends the model&apos;s factory settings to the controller.
Every change of a setting is sent at once and written in the note box. A setting that could not be sent is framed in red with a &quot;!&quot; until File &gt; Send all settings again sends it.</source>
        <translation>在端口列表中选择适配器的 COM 口号。然后选择控制器类型的选项卡（固定翼飞机、直升飞机、船用或车用），再在该页的列表中选择型号：选择型号即向控制器发送该型号的出厂设置。
每次更改设置都会立即发送，并记录在记录框中。未能发送的设置以红框和“!”标出，直到 文件 &gt; 重新发送全部设置 把它发出。</translation>
    </message>
    <message>
        <source>What each setting does</source>
        <translation>各项设置的作用</translation>
    </message>
    <message>
        <source>Only the settings your controller&apos;s type and model offer can be changed; the others are hidden or greyed. Factory Default sends every factory setting again.</source>
        <translation>只能更改控制器类型和型号所提供的设置，其他设置隐藏或变灰。“恢复工厂默认值”会重新发送全部出厂设置。</translation>
    </message>
    <message>
        <source>Settings files</source>
        <translation>设置文件</translation>
    </message>
    <message>
        <source>File &gt; Save... writes the settings shown to a *.esc file, File &gt; Open... loads one and sends its settings to the controller; the File menu lists the last four files. The save dialog starts on the file opened or saved last, and asks before it replaces any other file. The window&apos;s title names that file and marks it with &quot;*&quot; while the settings shown differ from it.</source>
        <translation>文件 &gt; 保存... 把当前设置写入 *.esc 文件，文件 &gt; 打开... 载入设置文件并把其中的设置发送给控制器；文件菜单列出最近的四个文件。保存对话框从最近打开或保存的文件开始，替换其他已有文件前会先询问。窗口标题显示该文件名，当前设置与它不同时标有“*”。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Edit &gt; Undo puts your last change of a setting back and Edit &gt; Redo makes it again; each is sent like a change of your own. Factory Default is one step: Undo sends back every value it replaced. Choosing a model, a tab, a port or loading a file starts the history afresh.</source>
        <translation>编辑 &gt; 撤销 恢复您对设置的上一次更改，编辑 &gt; 重做 再次进行该更改；两者都像您自己的更改一样发送。恢复出厂设置算作一步：撤销会把它替换的每个值发送回去。选择型号、选项卡、端口或载入文件后，历史重新开始。</translation>
    </message>
    <message>
        <source>The keyboard</source>
        <translation>键盘</translation>
    </message>
    <message>
        <source>Tab goes through the window from the top left, row by row; an option group is one stop and the arrow keys choose inside it. The timing bar steps 1 with Left/Right and 5 with Page Up/Page Down.
Ctrl+O opens, Ctrl+S saves, %1 exits, Ctrl+Z undoes and Ctrl+Shift+Z redoes; Alt with a menu&apos;s underlined letter opens that menu.</source>
        <translation>Tab 键从左上角起逐行经过窗口中的控件；一个选项组为一站，用方向键在组内选择。提前角度滑块用左/右方向键每次调整 1，用 Page Up/Page Down 每次调整 5。
Ctrl+O 打开，Ctrl+S 保存，%1 退出，Ctrl+Z 撤销，Ctrl+Shift+Z 重做；Alt 加菜单中带下划线的字母可打开该菜单。</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Alt+F4</source>
        <translation>Alt+F4</translation>
    </message>
</context>
</TS>
