<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
    <context>
        <name>ModelTip</name>
        <message>
            <source>It cannot be read: %1.</source>
            <translation>无法读取：%1。</translation>
        </message>
        <message>
            <source>It is not a model file.</source>
            <translation>这不是模型文件。</translation>
        </message>
        <message>
            <source>The game cannot load it: %1.</source>
            <translation>游戏无法加载此文件：%1。</translation>
        </message>
        <message>
            <source>Servers accept it.</source>
            <translation>服务器接受此文件。</translation>
        </message>
        <message>
            <source>Servers refuse it: it is %1.</source>
            <translation>服务器拒绝此文件：它%1。</translation>
        </message>
        <message>
            <source>No server checks it.</source>
            <translation>服务器不检查此文件。</translation>
        </message>
        <message>
            <source>Whether servers accept it cannot be told: %1.</source>
            <translation>无法判断服务器是否接受此文件：%1。</translation>
        </message>
    </context>
    <context>
        <name>app::AboutWindow</name>
        <message>
            <source>OK</source>
            <translation>确定</translation>
        </message>
        <message>
            <source>This application is intended to help those people that like to use custom models and need a way to organize them.</source>
            <translation>本程序旨在帮助喜欢使用自定义模型、需要整理这些模型的玩家。</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>系统信息(&amp;S)...</translation>
        </message>
        <message>
            <source>Version %1.%2.%3</source>
            <translation>版本 %1.%2.%3</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>关于 %1</translation>
        </message>
    </context>
    <context>
        <name>app::MainWindow</name>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>退出(&amp;X)</translation>
        </message>
        <message>
            <source>&amp;Model</source>
            <translation>模型(&amp;M)</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>备份(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>导入(&amp;I)</translation>
        </message>
        <message>
            <source>&amp;Player</source>
            <translation>玩家(&amp;P)</translation>
        </message>
        <message>
            <source>&amp;Weapon</source>
            <translation>武器(&amp;W)</translation>
        </message>
        <message>
            <source>I&amp;nstall</source>
            <translation>安装(&amp;N)</translation>
        </message>
        <message>
            <source>Player Model</source>
            <translation>玩家模型</translation>
        </message>
        <message>
            <source>Weapon Model</source>
            <translation>武器模型</translation>
        </message>
        <message>
            <source>&amp;Check</source>
            <translation>检查(&amp;C)</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>帮助(&amp;H)</translation>
        </message>
        <message>
            <source>&amp;Readme</source>
            <translation>自述文件(&amp;R)</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>关于(&amp;A)</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>语言(&amp;L)</translation>
        </message>
        <message>
            <source>System language</source>
            <translation>系统语言</translation>
        </message>
        <message>
            <source>Tessary speaks the language chosen at once.</source>
            <translation>所选语言立即生效。</translation>
        </message>
    </context>
    <context>
        <name>app::ReadmeWindow</name>
        <message>
            <source>Readme</source>
            <translation>自述文件</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>关闭(&amp;C)</translation>
        </message>
    </context>
    <context>
        <name>archive</name>
        <message>
            <source>Two of the chosen files would both be %1.</source>
            <translation>所选文件中有两个都会成为 %1。</translation>
        </message>
        <message>
            <source>%1 exists already.</source>
            <translation>%1 已存在。</translation>
        </message>
        <message>
            <source>%1 in %2 could not be extracted to %3: %4.</source>
            <translation>无法将 %2 中的 %1 解压到 %3：%4。</translation>
        </message>
        <message>
            <source>its path is longer than %1 bytes</source>
            <translation>其路径长度超过 %1 字节</translation>
        </message>
        <message>
            <source>its path is more than %1 levels deep</source>
            <translation>其路径深度超过 %1 层</translation>
        </message>
        <message>
            <source>its path holds the name "%1", which Windows does not allow: %2</source>
            <translation>其路径包含 Windows 不允许的名称“%1”：%2</translation>
        </message>
        <message>
            <source>it is larger than %1 MB</source>
            <translation>它大于 %1 MB</translation>
        </message>
        <message>
            <source>%1 holds more than %2 entries, more than Tessary reads.</source>
            <translation>%1 包含超过 %2 个条目，超出了 Tessary 的读取上限。</translation>
        </message>
        <message>
            <source>Tessary cannot read the files of %1 that a password protects.</source>
            <translation>Tessary 无法读取 %1 中受密码保护的文件。</translation>
        </message>
        <message>
            <source>%1 in %2 is larger than %3 MB.</source>
            <translation>%2 中的 %1 大于 %3 MB。</translation>
        </message>
        <message>
            <source>%1 has changed since Tessary listed it: %2 is no longer in it.</source>
            <translation>%1 在 Tessary 列出其内容后已被更改：其中已没有 %2。</translation>
        </message>
        <message>
            <source>%1 could not be opened: %2.</source>
            <translation>无法打开 %1：%2。</translation>
        </message>
        <message>
            <source>an earlier entry has the same name</source>
            <translation>前面已有同名条目</translation>
        </message>
        <message>
            <source>%1 could not be read: there is too little memory.</source>
            <translation>无法读取 %1：内存不足。</translation>
        </message>
        <message>
            <source>%1 is not a .zip, .rar or .7z archive that Tessary can read.</source>
            <translation>%1 不是 Tessary 能读取的 .zip、.rar 或 .7z 压缩包。</translation>
        </message>
        <message>
            <source>%1 is protected by a password, which Tessary cannot open.</source>
            <translation>%1 受密码保护，Tessary 无法打开。</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>无法读取 %1：%2。</translation>
        </message>
        <message>
            <source>%1 could not be read: it is damaged.</source>
            <translation>无法读取 %1：文件已损坏。</translation>
        </message>
        <message>
            <source>its name cannot be read</source>
            <translation>无法读取其名称</translation>
        </message>
        <message>
            <source>its path is absolute</source>
            <translation>其路径是绝对路径</translation>
        </message>
        <message>
            <source>its path leads outside the folder it would be extracted to</source>
            <translation>其路径指向解压目标文件夹之外</translation>
        </message>
        <message>
            <source>it is a link</source>
            <translation>它是链接</translation>
        </message>
        <message>
            <source>it is not an ordinary file</source>
            <translation>它不是普通文件</translation>
        </message>
        <message>
            <source>it has no name</source>
            <translation>它没有名称</translation>
        </message>
        <message>
            <source>it is protected by a password</source>
            <translation>它受密码保护</translation>
        </message>
        <message>
            <source>The files to take out of %1 are larger than %2 MB together, more than Tessary takes out at once.</source>
            <translation>要从 %1 中取出的文件合计大于 %2 MB，超出了 Tessary 一次能取出的上限。</translation>
        </message>
        <message>
            <source>Tessary leaves out these files of %1:</source>
            <translation>Tessary 略去了 %1 中的以下文件：</translation>
        </message>
        <message>
            <source>%1
%2: %3.</source>
            <translation>%1
%2：%3。</translation>
        </message>
        <message>
            <source>%1
And %2 more.</source>
            <translation>%1
另有 %2 个文件。</translation>
        </message>
    </context>
    <context>
        <name>core</name>
        <message>
            <source>Please type in a name for the backup.</source>
            <translation>请输入备份的名称。</translation>
        </message>
        <message>
            <source>That name already exists.</source>
            <translation>该名称已存在。</translation>
        </message>
        <message>
            <source>%1 is a file where the backup needs a folder, so no backup was made.</source>
            <translation>%1 是一个文件，而备份需要在此处建立文件夹，因此未进行备份。</translation>
        </message>
        <message>
            <source>The game's model folder %1 does not exist, so no backup was made.</source>
            <translation>游戏的模型文件夹 %1 不存在，因此未进行备份。</translation>
        </message>
        <message>
            <source>The game file %1 is missing, so no backup was made.</source>
            <translation>游戏文件 %1 不存在，因此未进行备份。</translation>
        </message>
        <message>
            <source>The game file %1 cannot be read (%2), so no backup was made.</source>
            <translation>无法读取游戏文件 %1（%2），因此未进行备份。</translation>
        </message>
        <message>
            <source>The name "%1" could not be added to %2</source>
            <translation>无法将名称“%1”添加到 %2</translation>
        </message>
        <message>
            <source>Please select a backup set before clicking install.</source>
            <translation>请先选择一个备份集，再单击“安装”。</translation>
        </message>
        <message>
            <source>The backup set "%1" has lost its file %2, so nothing was restored.</source>
            <translation>备份集“%1”丢失了其文件 %2，因此未恢复任何文件。</translation>
        </message>
        <message>
            <source>Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.</source>
            <translation>Tessary 无法确保本次%1已写入磁盘（%2），因此已将其撤销。</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <translation>%1；%2</translation>
        </message>
        <message>
            <source>%1 could not be put back (%2)</source>
            <translation>无法放回 %1（%2）</translation>
        </message>
        <message>
            <source>%1 could not be removed (%2)</source>
            <translation>无法删除 %1（%2）</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it, so it changed nothing. The record is kept as %2; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Tessary 发现了一项未完成的更改的记录 %1，但无法读取它，因此未做任何更改。该记录已保留为 %2；该更改保留在一旁的文件名为 .&lt;名称&gt;.tessary-old。</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it (%2), so it changed nothing. The record is kept as %3; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Tessary 发现了一项未完成的更改的记录 %1，但无法读取它（%2），因此未做任何更改。该记录已保留为 %3；该更改保留在一旁的文件名为 .&lt;名称&gt;.tessary-old。</translation>
        </message>
        <message>
            <source>Tessary was stopped as it finished the last %1; the %1 is complete.</source>
            <translation>Tessary 在上一次%1即将完成时被停止；这次%1已经完成。</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, and cannot undo it yet: %2. It tries again at its next start, and changes no files until then.</source>
            <translation>Tessary 在完成上一次%1之前被停止，目前还无法将其撤销：%2。Tessary 会在下次启动时重试，在此之前不会更改任何文件。</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, so it has undone it: every file it had changed is as it was before.</source>
            <translation>Tessary 在完成上一次%1之前被停止，因此已将其撤销：它更改过的每个文件都已恢复原样。</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>Please select a file before clicking import</source>
            <translation>请先选择一个文件，再单击“导入”</translation>
        </message>
        <message>
            <source>Please enter a name for the model</source>
            <translation>请输入模型的名称</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: %3, so nothing was imported.</source>
            <translation>%1 无法作为 %2 导入：%3，因此未导入任何文件。</translation>
        </message>
        <message>
            <source>Please select a model before clicking install.</source>
            <translation>请先选择一个模型，再单击“安装”。</translation>
        </message>
        <message>
            <source>%1 of the model "%2" was not installed: the game cannot load it (%3). Nothing was installed.</source>
            <translation>模型“%2”的 %1 未安装：游戏无法加载它（%3）。未安装任何文件。</translation>
        </message>
        <message>
            <source>the textures of %1</source>
            <translation>%1 的纹理</translation>
        </message>
        <message>
            <source>the animations of sequence group %1 of %2</source>
            <translation>%2 的序列组 %1 的动画</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: the game loads the animations of its sequence group %3 from %4, the path stored in the model, and under the new name it would have to be %5, so nothing was imported.</source>
            <translation>%1 无法作为 %2 导入：游戏从模型中存储的路径 %4 加载其序列组 %3 的动画，而改名后该路径必须为 %5，因此未导入任何文件。</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was imported.</source>
            <translation>%2 中缺少 %1：游戏从该文件加载 %3，缺少它就会停止运行，因此未导入任何文件。</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was installed.</source>
            <translation>%2 中缺少 %1：游戏从该文件加载 %3，缺少它就会停止运行，因此未安装任何文件。</translation>
        </message>
        <message>
            <source>it needs %1 beside it, which is missing</source>
            <translation>旁边缺少它需要的 %1</translation>
        </message>
        <message>
            <source>it is no model (every model file starts with IDST), and the game stops on it</source>
            <translation>这不是模型（每个模型文件都以 IDST 开头），游戏遇到它就会停止运行</translation>
        </message>
        <message>
            <source>RegKey not found!!</source>
            <translation>找不到注册表项！</translation>
        </message>
        <message>
            <source>The game's registry entry names no game folder, so Tessary cannot tell where the game is installed.</source>
            <translation>游戏的注册表项中没有指明游戏文件夹，因此 Tessary 无法确定游戏安装在哪里。</translation>
        </message>
        <message>
            <source>The folder %1 could not be created: %2.</source>
            <translation>无法创建文件夹 %1：%2。</translation>
        </message>
        <message>
            <source>That name cannot be a folder name: %1.</source>
            <translation>该名称不能用作文件夹名称：%1。</translation>
        </message>
        <message>
            <source>%1 The model library was not created; mend the file and start Tessary again.</source>
            <translation>%1未创建模型库；请修正该文件后重新启动 Tessary。</translation>
        </message>
        <message>
            <source>%1, left by an earlier start, could not be removed: %2.</source>
            <translation>无法删除之前某次启动遗留的 %1：%2。</translation>
        </message>
        <message>
            <source>The model library could not be put in place as %1: %2.</source>
            <translation>无法将模型库放置为 %1：%2。</translation>
        </message>
        <message>
            <source>Tessary keeps its model library in the folder it is started from, %1, but it cannot write there (%2). Move the Tessary folder to a place of your own, such as your Documents folder, and start it from there.</source>
            <translation>Tessary 把模型库保存在启动它的文件夹 %1 中，但无法写入该文件夹（%2）。请将 Tessary 文件夹移到自己的位置（例如“文档”文件夹），然后从那里启动。</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", cannot be a folder name: %4.</source>
            <translation>%2 第 %1 行的“%3”不能用作文件夹名称：%4。</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", repeats line %4.</source>
            <translation>%2 第 %1 行的“%3”与第 %4 行重复。</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", names a folder that Tessary makes itself.</source>
            <translation>%2 第 %1 行的“%3”是 Tessary 自己创建的文件夹的名称。</translation>
        </message>
        <message>
            <source>%1 could not be read from the program folder: %2.</source>
            <translation>无法从程序文件夹读取 %1：%2。</translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>程序文件夹中的 %1 仅以 LF 作为行尾，而 Tessary 认为行以 CR LF（或 CR）结尾，因此只找到 %n 行，而它需要 %2 行。</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>程序文件夹中的 %1 有 %n 行，但 Tessary 需要 %2 行。</numerusform>
            </translation>
        </message>
        <message>
            <source>readme.txt could not be read from the program folder: %1.</source>
            <translation>无法从程序文件夹读取 readme.txt：%1。</translation>
        </message>
        <message>
            <source>The model viewer %1 is missing, so Tessary cannot show the model. Unpack Tessary again to get it back.</source>
            <translation>模型查看器 %1 不存在，因此 Tessary 无法显示该模型。请重新解压 Tessary 以找回它。</translation>
        </message>
        <message>
            <source>The model viewer %1 could not be started.</source>
            <translation>无法启动模型查看器 %1。</translation>
        </message>
        <message>
            <source>No file selected.</source>
            <translation>未选择文件。</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>系统信息暂时不可用</translation>
        </message>
        <message>
            <source>The folder %1, into which Tessary takes files out of archives, could not be cleared: %2.</source>
            <translation>无法清空文件夹 %1（Tessary 把从压缩包中取出的文件放在这里）：%2。</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1、%2</translation>
        </message>
        <message>
            <source>%1 or %2</source>
            <translation>%1 或 %2</translation>
        </message>
        <message>
            <source>%1 no longer holds %2: the archive has changed since Tessary listed it.</source>
            <translation>%1 中已没有 %2：Tessary 列出其内容后，该压缩包已被更改。</translation>
        </message>
        <message>
            <source>%1 holds no folder %2 any more.</source>
            <translation>%1 中已没有文件夹 %2。</translation>
        </message>
        <message>
            <source>The game is running (%1): it uses the new files only after it is restarted, and servers refuse changed files until then. Restart the game before you join a server.</source>
            <translation>游戏正在运行（%1）：重新启动后它才会使用新文件，在此之前服务器会拒绝被更改的文件。请在加入服务器前重新启动游戏。</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>%1 不存在</translation>
        </message>
        <message>
            <source>%1 cannot be read: %2</source>
            <translation>无法读取 %1：%2</translation>
        </message>
        <message>
            <source>a folder stands in its place</source>
            <translation>该位置上是一个文件夹</translation>
        </message>
        <message>
            <source>%1, a file Tessary kept aside in an earlier change, is in the way; move it elsewhere first</source>
            <translation>Tessary 在之前某次更改中保留在一旁的文件 %1 妨碍了此操作；请先将它移到别处</translation>
        </message>
        <message>
            <source>a file of that name is there already</source>
            <translation>那里已有同名文件</translation>
        </message>
        <message>
            <source>%1 The game files replaced before it were put back.</source>
            <translation>%1在它之前已替换的游戏文件均已放回原处。</translation>
        </message>
        <message>
            <source>%1 No game file was changed.</source>
            <translation>%1未更改任何游戏文件。</translation>
        </message>
        <message>
            <source>%1 could not be copied to %2: %3.</source>
            <translation>无法将 %1 复制到 %2：%3。</translation>
        </message>
        <message>
            <source>The game file %1 was not replaced: %2.</source>
            <translation>游戏文件 %1 未被替换：%2。</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <translation>%1：%2。</translation>
        </message>
        <message>
            <source>Tessary has not yet finished or undone an earlier change, whose record is %1, so it changes no files now. Start Tessary again to settle it.</source>
            <translation>Tessary 尚未完成或撤销之前的一项更改（其记录为 %1），因此现在不会更改任何文件。请重新启动 Tessary 来处理它。</translation>
        </message>
        <message>
            <source>Tessary could not write the record of the %1, %2, so it changed nothing: %3.</source>
            <translation>Tessary 无法写入本次%1的记录 %2，因此未做任何更改：%3。</translation>
        </message>
        <message>
            <source>Tessary could not make sure the record of the %1, %2, is on the disk, so it changed nothing: %3.</source>
            <translation>Tessary 无法确保本次%1的记录 %2 已写入磁盘，因此未做任何更改：%3。</translation>
        </message>
        <message>
            <source>Tessary could not undo all of it yet: %1. It tries again at its next start.</source>
            <translation>Tessary 暂时无法全部撤销：%1。它会在下次启动时重试。</translation>
        </message>
        <message>
            <source>%1 cannot be opened: there is no such folder, or Tessary may not read it.</source>
            <translation>无法打开 %1：该文件夹不存在，或者 Tessary 无权读取它。</translation>
        </message>
        <message>
            <source>install</source>
            <translation>安装</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>恢复</translation>
        </message>
        <message>
            <source>backup</source>
            <translation>备份</translation>
        </message>
        <message>
            <source>import</source>
            <translation>导入</translation>
        </message>
        <message>
            <source>Inavaild model name. The name of the model must match those that CS currently uses</source>
            <translation>模型名称无效。模型名称必须与 CS 当前使用的名称一致</translation>
        </message>
        <message>
            <source>No model selected</source>
            <translation>未选择模型</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>无法读取 %1：%2。</translation>
        </message>
    </context>
    <context>
        <name>model</name>
        <message>
            <source>the game walks more than %1 words of its animation, more than Tessary follows</source>
            <translation>游戏会遍历其动画中超过 %1 个数据字，多于 Tessary 能跟踪的数量</translation>
        </message>
        <message>
            <source>its body parts count %1 models together, more than the game can count</source>
            <translation>其身体部件合计有 %1 个子模型，超出了游戏能计数的范围</translation>
        </message>
        <message>
            <source>the game reads more than %1 vertices of its models, more than Tessary measures</source>
            <translation>游戏会读取其子模型中超过 %1 个顶点，多于 Tessary 能测量的数量</translation>
        </message>
        <message>
            <source>vertex %1 of %2 has a coordinate that is not a number</source>
            <translation>%2 的顶点 %1 有一个坐标不是数字</translation>
        </message>
        <message>
            <source>bone %1 has a position value or scale that is not a finite number</source>
            <translation>骨骼 %1 的某个位置值或缩放值不是有限数</translation>
        </message>
        <message>
            <source>it counts %1 sequences, more than the %2 Tessary measures</source>
            <translation>它有 %1 个序列，多于 Tessary 能测量的 %2 个</translation>
        </message>
        <message>
            <source>%1 has %2 frames, more than the %3 Tessary measures</source>
            <translation>%1 有 %2 帧，多于 Tessary 能测量的 %3 帧</translation>
        </message>
        <message>
            <source>the bones of %1 reach beyond the range of a float</source>
            <translation>%1 中的骨骼超出了浮点数的范围</translation>
        </message>
        <message>
            <source>it is not a model file</source>
            <translation>它不是模型文件</translation>
        </message>
        <message>
            <source>the game does not load it (%1)</source>
            <translation>游戏不会加载它（%1）</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>不是模型文件</translation>
        </message>
        <message>
            <source>%1 is not a sequence group file</source>
            <translation>%1不是序列组文件</translation>
        </message>
        <message>
            <source>%1 is not a texture file of a model</source>
            <translation>%1不是模型的纹理文件</translation>
        </message>
        <message>
            <source>model version %1 is not supported</source>
            <translation>不支持模型版本 %1</translation>
        </message>
        <message>
            <source>%1 has version %2, which is not supported</source>
            <translation>%1的版本为 %2，不受支持</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>%1 不存在</translation>
        </message>
        <message>
            <source>%1 is a folder, not a model file</source>
            <translation>%1 是文件夹，不是模型文件</translation>
        </message>
        <message>
            <source>%1 is not a regular file</source>
            <translation>%1 不是普通文件</translation>
        </message>
        <message>
            <source>%1 is larger than %2 MiB, more than any model file</source>
            <translation>%1 大于 %2 MiB，任何模型文件都不会这么大</translation>
        </message>
        <message>
            <source>%1 cannot be read</source>
            <translation>无法读取 %1</translation>
        </message>
        <message>
            <source>it is a sequence group file, which holds only animation of a model</source>
            <translation>这是序列组文件，只包含模型的动画</translation>
        </message>
        <message>
            <source>it is a texture file, which holds only the textures of a model</source>
            <translation>这是纹理文件，只包含模型的纹理</translation>
        </message>
        <message>
            <source>it is a model of version %1, of a later engine: the game loads models of version 10 only</source>
            <translation>这是更新引擎的版本 %1 模型：游戏只加载版本 10 的模型</translation>
        </message>
        <message>
            <source>it is a model of version %1: the game loads models of version 10 only</source>
            <translation>这是版本 %1 的模型：游戏只加载版本 10 的模型</translation>
        </message>
        <message>
            <source>it ends after %1 bytes, inside the %2-byte header of a model</source>
            <translation>它在 %1 字节后就结束了，仍在模型 %2 字节的文件头之内</translation>
        </message>
        <message>
            <source>it has %1 bones, more than the %2 the game can load</source>
            <translation>它有 %1 根骨骼，超过了游戏能加载的 %2 根</translation>
        </message>
        <message>
            <source>the file</source>
            <translation>该文件</translation>
        </message>
        <message>
            <source>texture file %1 is missing</source>
            <translation>缺少纹理文件 %1</translation>
        </message>
        <message>
            <source>texture file %1</source>
            <translation>纹理文件“%1”</translation>
        </message>
        <message>
            <source>sequence group file %1 is missing</source>
            <translation>缺少序列组文件 %1</translation>
        </message>
        <message>
            <source>sequence group file %1</source>
            <translation>序列组文件“%1”</translation>
        </message>
        <message>
            <source>%1 is damaged: %2</source>
            <translation>%1已损坏：%2</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies before the start of the file</source>
            <translation>游戏读取 %2 的偏移量 %1 位于文件开头之前</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies past the end of the file (%3 bytes)</source>
            <translation>游戏读取 %2 的偏移量 %1 超出了文件末尾（文件共 %3 字节）</translation>
        </message>
        <message>
            <source>the %1 bytes at offset %2, where the game reads %3, reach past the end of the file (%4 bytes)</source>
            <translation>游戏在偏移量 %2 处读取 %3 的 %1 字节超出了文件末尾（文件共 %4 字节）</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1、%2</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>Couldn't allocate console</source>
            <translation>无法分配控制台</translation>
        </message>
        <message>
            <source>Couldn't allocate STDOUT</source>
            <translation>无法分配 STDOUT</translation>
        </message>
        <message>
            <source>it is empty</source>
            <translation>名称为空</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <translation>名称长度超过 %1 字节</translation>
        </message>
        <message>
            <source>it holds one of the characters \ / : * ? " &lt; &gt; |</source>
            <translation>名称包含 \ / : * ? " &lt; &gt; | 中的某个字符</translation>
        </message>
        <message>
            <source>it holds a control character</source>
            <translation>名称包含控制字符</translation>
        </message>
        <message>
            <source>it is "." or ".."</source>
            <translation>名称为“.”或“..”</translation>
        </message>
        <message>
            <source>it ends in a dot or a blank</source>
            <translation>名称以句点或空格结尾</translation>
        </message>
        <message>
            <source>it is a name Windows keeps for a device</source>
            <translation>这是 Windows 为设备保留的名称</translation>
        </message>
        <message>
            <source>%1, %2 and %3</source>
            <translation>%1、%2、%3</translation>
        </message>
        <message>
            <source>(%1, %2, %3)</source>
            <translation>(%1, %2, %3)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1 至 %2</translation>
        </message>
        <message>
            <source>%1 units too long</source>
            <translation>长了 %1 单位</translation>
        </message>
        <message>
            <source>%1 units too wide</source>
            <translation>宽了 %1 单位</translation>
        </message>
        <message>
            <source>%1 units too tall</source>
            <translation>高了 %1 单位</translation>
        </message>
        <message>
            <source>%1 too long</source>
            <translation>长了 %1</translation>
        </message>
        <message>
            <source>%1 too wide</source>
            <translation>宽了 %1</translation>
        </message>
        <message>
            <source>%1 too tall</source>
            <translation>高了 %1</translation>
        </message>
        <message>
            <source>%1 back</source>
            <translation>向后 %1</translation>
        </message>
        <message>
            <source>%1 forward</source>
            <translation>向前 %1</translation>
        </message>
        <message>
            <source>%1 to the right</source>
            <translation>向右 %1</translation>
        </message>
        <message>
            <source>%1 to the left</source>
            <translation>向左 %1</translation>
        </message>
        <message>
            <source>%1 down</source>
            <translation>向下 %1</translation>
        </message>
        <message>
            <source>%1 up</source>
            <translation>向上 %1</translation>
        </message>
        <message>
            <source>%1 for servers, which allow %2</source>
            <translation>%1，而服务器只允许%2</translation>
        </message>
        <message>
            <source>within the box servers allow for %1, %2</source>
            <translation>在服务器为 %1 允许的包围盒 %2 之内</translation>
        </message>
        <message>
            <source>no server checks %1</source>
            <translation>没有服务器检查 %1</translation>
        </message>
        <message>
            <source>As %1, servers accept it: it is %2.</source>
            <translation>作为 %1 使用时，服务器接受它：它%2。</translation>
        </message>
        <message>
            <source>As %1, servers refuse it: it is %2. A server that enforces file consistency, as servers do unless told otherwise, drops a player who uses it.</source>
            <translation>作为 %1 使用时，服务器会拒绝它：它%2。强制文件一致性的服务器（除非另行设置，服务器都会这样做）会踢出使用它的玩家。</translation>
        </message>
        <message>
            <source>No server checks a file named %1.</source>
            <translation>没有服务器检查名为 %1 的文件。</translation>
        </message>
        <message>
            <source>As %1, whether servers accept it cannot be told: %2.</source>
            <translation>作为 %1 使用时，无法判断服务器是否接受它：%2。</translation>
        </message>
        <message>
            <source>Servers measure its box as %1.
%2</source>
            <translation>服务器测得它的包围盒为 %1。
%2</translation>
        </message>
        <message>
            <source>Servers will refuse this model: it is larger than they allow.

%1 of the model "%2" is %3. Servers that enforce file consistency, as they do unless told otherwise, drop a player who uses it while connecting.

Install it all the same?</source>
            <translation>服务器将拒绝此模型：它超出了服务器允许的大小。

模型“%2”的 %1 %3。强制文件一致性的服务器（除非另行设置，服务器都会这样做）会在玩家连接时踢出使用它的玩家。

仍要安装吗？</translation>
        </message>
        <message>
            <source>the box servers allow for a player model, as none checks %1</source>
            <translation>服务器为玩家模型允许的包围盒（因为没有服务器检查 %1）</translation>
        </message>
        <message>
            <source>the box servers allow for %1</source>
            <translation>服务器为 %1 允许的包围盒</translation>
        </message>
        <message>
            <source>the box servers allow for %1, as none checks %2</source>
            <translation>服务器为 %1 允许的包围盒（因为没有服务器检查 %2）</translation>
        </message>
        <message>
            <source>another program</source>
            <translation>另一个程序</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1、%2</translation>
        </message>
        <message>
            <source>%1 is held open by %2; close it and try again</source>
            <translation>%1 正被 %2 占用；请关闭该程序后重试</translation>
        </message>
    </context>
    <context>
        <name>ui::BackupWindow</name>
        <message>
            <source>Weapon models</source>
            <translation>武器模型</translation>
        </message>
        <message>
            <source>Backing up weapon models...</source>
            <translation>正在备份武器模型……</translation>
        </message>
        <message>
            <source>Weapon model backup complete.</source>
            <translation>武器模型备份完成。</translation>
        </message>
        <message>
            <source>Player models</source>
            <translation>玩家模型</translation>
        </message>
        <message>
            <source>Backing up player models</source>
            <translation>正在备份玩家模型</translation>
        </message>
        <message>
            <source>Player model backup complete.</source>
            <translation>玩家模型备份完成。</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>备份</translation>
        </message>
        <message>
            <source>Type in a name for the backups and click backup</source>
            <translation>输入备份的名称，然后单击“备份”</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>备份(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>确定(&amp;O)</translation>
        </message>
    </context>
    <context>
        <name>ui::CheckWindow</name>
        <message>
            <source>accepted</source>
            <translation>接受</translation>
        </message>
        <message>
            <source>refused</source>
            <translation>拒绝</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>不检查</translation>
        </message>
        <message>
            <source>cannot tell</source>
            <translation>无法判断</translation>
        </message>
        <message>
            <source>backup set %1</source>
            <translation>备份集 %1</translation>
        </message>
        <message>
            <source>model %1</source>
            <translation>模型 %1</translation>
        </message>
        <message>
            <source>it cannot be read: %1</source>
            <translation>无法读取：%1</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>不是模型文件</translation>
        </message>
        <message>
            <source>with its model</source>
            <translation>随模型加载</translation>
        </message>
        <message>
            <source>it holds %1</source>
            <translation>包含 %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>是</translation>
        </message>
        <message>
            <source>no: %1</source>
            <translation>否：%1</translation>
        </message>
        <message>
            <source>library</source>
            <translation>库</translation>
        </message>
        <message>
            <source>game</source>
            <translation>游戏</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%2 的 %1</translation>
        </message>
        <message>
            <source>the game's %1</source>
            <translation>游戏的 %1</translation>
        </message>
        <message>
            <source>Check</source>
            <translation>检查</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>图片</translation>
        </message>
        <message>
            <source>Where</source>
            <translation>位置</translation>
        </message>
        <message>
            <source>Type or weapon</source>
            <translation>类型或武器</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>模型</translation>
        </message>
        <message>
            <source>File</source>
            <translation>文件</translation>
        </message>
        <message>
            <source>Game loads it</source>
            <translation>游戏可加载</translation>
        </message>
        <message>
            <source>Servers</source>
            <translation>服务器</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>原因</translation>
        </message>
        <message>
            <source>Box measured</source>
            <translation>测得包围盒</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>确定(&amp;O)</translation>
        </message>
        <message>
            <source>%1 is %2</source>
            <translation>%1 来自%2</translation>
        </message>
        <message>
            <source>Servers will refuse none of these files.</source>
            <translation>服务器不会拒绝其中任何文件。</translation>
        </message>
        <message>
            <source>The game loads every one of them.</source>
            <translation>游戏能加载其中所有文件。</translation>
        </message>
        <message>
            <source>None of the game's files is from the library or a backup set.</source>
            <translation>游戏中没有来自库或备份集的文件。</translation>
        </message>
        <message>
            <source>In the game now: %1.</source>
            <translation>游戏中现有：%1。</translation>
        </message>
        <message numerus="yes">
            <source>%1 and %n more</source>
            <translation>
                <numerusform>%1 及另外 %n 个</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Reading %1 of %n files...</source>
            <translation>
                <numerusform>正在读取第 %1 个文件，共 %n 个……</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n files checked.</source>
            <translation>
                <numerusform>已检查 %n 个文件。</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Servers will refuse %n files: %1.</source>
            <translation>
                <numerusform>服务器将拒绝 %n 个文件：%1。</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The game cannot load %n files: %1.</source>
            <translation>
                <numerusform>游戏无法加载 %n 个文件：%1。</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ui::ImportWindow</name>
        <message>
            <source>The game uses no file of this name: right-click it to import it as one of the game's models.</source>
            <translation>游戏不使用这个名称的文件：右键单击它，可将它作为游戏的某个模型导入。</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>确定(&amp;O)</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>导入(&amp;I)</translation>
        </message>
        <message>
            <source>Import as</source>
            <translation>导入为</translation>
        </message>
        <message>
            <source> imported</source>
            <translation> 已导入</translation>
        </message>
    </context>
    <context>
        <name>ui::InstallWindow</name>
        <message>
            <source>&amp;Install</source>
            <translation>安装(&amp;I)</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>确定(&amp;O)</translation>
        </message>
        <message>
            <source>Select the model you would like to install and click install.</source>
            <translation>选择要安装的模型，然后单击“安装”。</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>预览(&amp;P)</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerImportWindow</name>
        <message>
            <source>Import Player Model</source>
            <translation>导入玩家模型</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
            <translation>找到并选中要导入的文件，然后输入一个用来识别它的名称，再单击“导入”。</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerInstallWindow</name>
        <message>
            <source>Install Player Model</source>
            <translation>安装玩家模型</translation>
        </message>
        <message>
            <source>Backup %1 installed</source>
            <translation>备份 %1 已安装</translation>
        </message>
        <message>
            <source>%1 model %2 installed</source>
            <translation>%1 模型 %2 已安装</translation>
        </message>
    </context>
    <context>
        <name>ui::RestoreControls</name>
        <message>
            <source>Install Backup</source>
            <translation>安装备份</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>安装</translation>
        </message>
    </context>
    <context>
        <name>ui::SourceBrowser</name>
        <message>
            <source>&amp;Preview</source>
            <translation>预览(&amp;P)</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponImportWindow</name>
        <message>
            <source>Import Weapon Model</source>
            <translation>导入武器模型</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
            <translation>找到并选中要导入的文件，然后输入一条用来识别它的备注，再单击“导入”。</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponInstallWindow</name>
        <message>
            <source>Install Weapon Model</source>
            <translation>安装武器模型</translation>
        </message>
        <message>
            <source>Backup install complete</source>
            <translation>备份安装完成</translation>
        </message>
        <message>
            <source>Install Left Model</source>
            <translation>安装左手模型</translation>
        </message>
        <message>
            <source>Install Right Model</source>
            <translation>安装右手模型</translation>
        </message>
        <message>
            <source>Install W Model</source>
            <translation>安装 W 模型</translation>
        </message>
        <message>
            <source>Install P Model</source>
            <translation>安装 P 模型</translation>
        </message>
        <message>
            <source>Install Complete</source>
            <translation>安装完成</translation>
        </message>
    </context>
    <context>
        <name>viewer::ChoicePanel</name>
        <message>
            <source>Body parts and skins</source>
            <translation>身体部件与皮肤</translation>
        </message>
        <message>
            <source>Family %1</source>
            <translation>皮肤组 %1</translation>
        </message>
        <message>
            <source>S&amp;kin</source>
            <translation>皮肤(&amp;K)</translation>
        </message>
    </context>
    <context>
        <name>viewer::SequencePanel</name>
        <message>
            <source>Se&amp;quences</source>
            <translation>序列(&amp;Q)</translation>
        </message>
        <message>
            <source>Pre&amp;v</source>
            <translation>上一帧(&amp;V)</translation>
        </message>
        <message>
            <source>&amp;Play</source>
            <translation>播放(&amp;P)</translation>
        </message>
        <message>
            <source>Ne&amp;xt</source>
            <translation>下一帧(&amp;X)</translation>
        </message>
        <message>
            <source>Reference pose</source>
            <translation>参考姿势</translation>
        </message>
        <message>
            <source>%1 (%2 frames at %3 fps%4)</source>
            <translation>%1（%2 帧，%3 fps%4）</translation>
        </message>
        <message>
            <source>, looping</source>
            <translation>，循环</translation>
        </message>
        <message>
            <source>The frame before (comma in the picture)</source>
            <translation>上一帧（在画面中按逗号键）</translation>
        </message>
        <message>
            <source>Plays or pauses the sequence (Space in the picture)</source>
            <translation>播放或暂停序列（在画面中按 Space 键）</translation>
        </message>
        <message>
            <source>The frame after (full stop in the picture)</source>
            <translation>下一帧（在画面中按句点键）</translation>
        </message>
        <message>
            <source>Fra&amp;me</source>
            <translation>帧(&amp;M)</translation>
        </message>
        <message>
            <source>Mixes the sequence's blend sets, as the game does to aim</source>
            <translation>在序列的各混合组之间过渡，就像游戏中瞄准时那样</translation>
        </message>
        <message>
            <source>B&amp;lend</source>
            <translation>混合(&amp;L)</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>暂停(&amp;P)</translation>
        </message>
        <message>
            <source>Frame %1 of %2</source>
            <translation>第 %1 帧，共 %2 帧</translation>
        </message>
        <message>
            <source>The pose the model was made in</source>
            <translation>模型制作时的姿势</translation>
        </message>
        <message>
            <source>%1, from %2 to %3</source>
            <translation>%1（范围 %2 至 %3）</translation>
        </message>
    </context>
    <context>
        <name>viewer::ServerPanel</name>
        <message>
            <source>On servers</source>
            <translation>服务器检查</translation>
        </message>
        <message>
            <source>Server b&amp;ox</source>
            <translation>服务器包围盒(&amp;O)</translation>
        </message>
        <message>
            <source>Pla&amp;yer size</source>
            <translation>玩家尺寸(&amp;Y)</translation>
        </message>
        <message>
            <source>Draws the box servers allow and the box they measure, and in red where the model reaches beyond</source>
            <translation>绘制服务器允许的包围盒和服务器测得的包围盒，并以红色标出模型超出的部分</translation>
        </message>
        <message>
            <source>Draws the hull the game moves a player by and hits him in</source>
            <translation>绘制游戏移动玩家和判定命中所用的碰撞体</translation>
        </message>
        <message>
            <source>Green: %1. What servers measure cannot be told.</source>
            <translation>绿色：%1。无法判断服务器会测得什么。</translation>
        </message>
        <message>
            <source>Green: %1; held against it, the model is %2. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>绿色：%1；与之相比，模型%2。黄色：服务器会测得的包围盒。红色：模型超出绿色包围盒的部分。</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>绿色：%1。黄色：服务器会测得的包围盒。红色：模型超出绿色包围盒的部分。</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers measure. Red: where the model reaches beyond the green box.</source>
            <translation>绿色：%1。黄色：服务器测得的包围盒。红色：模型超出绿色包围盒的部分。</translation>
        </message>
        <message>
            <source>Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × 32 × 36; both centred on the model's origin, as the game centres them.</source>
            <translation>青色：玩家站立时的碰撞体，32 × 32 × 72 单位；紫色：蹲下时的碰撞体，32 × 32 × 36；两者都像游戏中一样以模型原点为中心。</translation>
        </message>
    </context>
    <context>
        <name>viewer::TextureBrowser</name>
        <message>
            <source>masked</source>
            <translation>遮罩</translation>
        </message>
        <message>
            <source>chrome</source>
            <translation>镀铬</translation>
        </message>
        <message>
            <source>full bright</source>
            <translation>全亮</translation>
        </message>
        <message>
            <source>additive</source>
            <translation>叠加</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>名称</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>尺寸</translation>
        </message>
        <message>
            <source>Flags</source>
            <translation>标志</translation>
        </message>
        <message>
            <source>The texture's 256 colours, row by row from index 0</source>
            <translation>纹理的 256 种颜色，从索引 0 起逐行排列</translation>
        </message>
        <message>
            <source>&amp;Fit to the view</source>
            <translation>适应视图(&amp;F)</translation>
        </message>
        <message>
            <source>Shows the texture as large as fits, else at one pixel a texel</source>
            <translation>勾选时按能容纳的最大尺寸显示纹理，否则每个纹素显示为一个像素</translation>
        </message>
        <message>
            <source>Save t&amp;exture...</source>
            <translation>保存纹理(&amp;E)...</translation>
        </message>
        <message>
            <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
            <translation>将纹理保存为带调色板的 8 位 BMP，或保存为 PNG</translation>
        </message>
        <message>
            <source>Palette</source>
            <translation>调色板</translation>
        </message>
        <message>
            <source>%1 was saved as %2.</source>
            <translation>%1 已保存为 %2。</translation>
        </message>
        <message>
            <source>%1 could not be saved as %2: %3.</source>
            <translation>无法将 %1 保存为 %2：%3。</translation>
        </message>
        <message>
            <source>8-bit BMP with its palette (*.bmp)</source>
            <translation>带调色板的 8 位 BMP (*.bmp)</translation>
        </message>
        <message>
            <source>PNG (*.png)</source>
            <translation>PNG (*.png)</translation>
        </message>
        <message>
            <source>Save texture</source>
            <translation>保存纹理</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewPanel</name>
        <message>
            <source>View</source>
            <translation>视图</translation>
        </message>
        <message>
            <source>&amp;Textures</source>
            <translation>纹理(&amp;T)</translation>
        </message>
        <message>
            <source>&amp;Wireframe</source>
            <translation>线框(&amp;W)</translation>
        </message>
        <message>
            <source>&amp;Bones</source>
            <translation>骨骼(&amp;B)</translation>
        </message>
        <message>
            <source>&amp;Ground</source>
            <translation>地面(&amp;G)</translation>
        </message>
        <message>
            <source>F&amp;irst person</source>
            <translation>第一人称(&amp;I)</translation>
        </message>
        <message>
            <source>Sees the model from its origin along its front, as the game shows a weapon in the player's hands</source>
            <translation>从模型原点沿其正前方观察模型，就像游戏中显示玩家手中的武器那样</translation>
        </message>
        <message>
            <source>Ba&amp;ckground...</source>
            <translation>背景(&amp;C)...</translation>
        </message>
        <message>
            <source>&amp;Reset view</source>
            <translation>重置视图(&amp;R)</translation>
        </message>
        <message>
            <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
            <translation>重新取景以显示整个模型，或回到眼睛处（在画面中按 Home 键）</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>保存图片(&amp;S)...</translation>
        </message>
        <message>
            <source>Saves the picture as PNG (Ctrl+S)</source>
            <translation>将画面保存为 PNG（Ctrl+S）</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewerWindow</name>
        <message>
            <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
            <translation>按住鼠标左键拖动可旋转模型，按住右键拖动可移动模型；滚动滚轮可拉近模型。键盘焦点在画面中时：方向键旋转模型，Shift+方向键移动模型，+ 和 - 拉近和推远，Home 键恢复视图。第一人称视角下，视点始终在眼睛处。Space 键播放或暂停序列，逗号键和句点键逐帧后退和前进。Ctrl+S 保存画面，Escape 键关闭窗口。</translation>
        </message>
        <message>
            <source>Tessary model viewer</source>
            <translation>Tessary 模型查看器</translation>
        </message>
        <message>
            <source>Mo&amp;del</source>
            <translation>模型(&amp;D)</translation>
        </message>
        <message>
            <source>Open a model with File → Open, or drop a .mdl file here.</source>
            <translation>请用“文件 → 打开”打开模型，或将 .mdl 文件拖放到这里。</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>文件(&amp;F)</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>打开(&amp;O)...</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>保存图片(&amp;S)...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>退出(&amp;X)</translation>
        </message>
        <message>
            <source>Open model</source>
            <translation>打开模型</translation>
        </message>
        <message>
            <source>Model files (*.mdl);;All files (*)</source>
            <translation>模型文件 (*.mdl);;所有文件 (*)</translation>
        </message>
        <message>
            <source>%1 — %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>The file could not be read.</source>
            <translation>无法读取该文件。</translation>
        </message>
        <message>
            <source>%1 cannot be shown.</source>
            <translation>无法显示 %1。</translation>
        </message>
        <message>
            <source>Text&amp;ures</source>
            <translation>纹理(&amp;U)</translation>
        </message>
        <message>
            <source>%1 holds textures only.</source>
            <translation>%1 只包含纹理。</translation>
        </message>
        <message>
            <source>%1 holds the textures of the model %2.</source>
            <translation>%1 包含模型 %2 的纹理。</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
            <translation>%1 包含另一个模型的序列动画，没有可绘制的内容。</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
            <translation>%1 包含模型 %2 的序列动画，没有可绘制的内容；这些动画由 %2 播放。</translation>
        </message>
        <message>
            <source>&amp;Open %1</source>
            <translation>打开 %1(&amp;O)</translation>
        </message>
        <message>
            <source>%1 is not in the same folder.</source>
            <translation>%1 不在同一文件夹中。</translation>
        </message>
        <message>
            <source>About the model</source>
            <translation>模型信息</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>背景颜色</translation>
        </message>
        <message>
            <source>The picture was saved as %1.</source>
            <translation>图片已保存为 %1。</translation>
        </message>
        <message>
            <source>The picture could not be saved as %1.</source>
            <translation>无法将图片保存为 %1。</translation>
        </message>
        <message>
            <source>Save picture</source>
            <translation>保存图片</translation>
        </message>
        <message>
            <source>PNG pictures (*.png)</source>
            <translation>PNG 图片 (*.png)</translation>
        </message>
    </context>
</TS>
