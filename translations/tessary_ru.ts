<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
    <context>
        <name>ModelTip</name>
        <message>
            <source>It cannot be read: %1.</source>
            <translation>Файл не удаётся прочитать: %1.</translation>
        </message>
        <message>
            <source>It is not a model file.</source>
            <translation>Это не файл модели.</translation>
        </message>
        <message>
            <source>The game cannot load it: %1.</source>
            <translation>Игра не сможет его загрузить: %1.</translation>
        </message>
        <message>
            <source>Servers accept it.</source>
            <translation>Серверы его примут.</translation>
        </message>
        <message>
            <source>Servers refuse it: it is %1.</source>
            <translation>Серверы его не примут: модель %1.</translation>
        </message>
        <message>
            <source>No server checks it.</source>
            <translation>Серверы его не проверяют.</translation>
        </message>
        <message>
            <source>Whether servers accept it cannot be told: %1.</source>
            <translation>Неизвестно, примут ли его серверы: %1.</translation>
        </message>
    </context>
    <context>
        <name>app::AboutWindow</name>
        <message>
            <source>OK</source>
            <translation>ОК</translation>
        </message>
        <message>
            <source>This application is intended to help those people that like to use custom models and need a way to organize them.</source>
            <translation>Эта программа поможет тем, кто любит ставить собственные модели и хочет держать их в порядке.</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>&amp;О системе...</translation>
        </message>
        <message>
            <source>Version %1.%2.%3</source>
            <translation>Версия %1.%2.%3</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>О программе %1</translation>
        </message>
    </context>
    <context>
        <name>app::MainWindow</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Файл</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>В&amp;ыход</translation>
        </message>
        <message>
            <source>&amp;Model</source>
            <translation>&amp;Модель</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Бэкап</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Импорт</translation>
        </message>
        <message>
            <source>&amp;Player</source>
            <translation>&amp;Игрок</translation>
        </message>
        <message>
            <source>&amp;Weapon</source>
            <translation>&amp;Оружие</translation>
        </message>
        <message>
            <source>I&amp;nstall</source>
            <translation>&amp;Установка</translation>
        </message>
        <message>
            <source>Player Model</source>
            <translation>Модель игрока</translation>
        </message>
        <message>
            <source>Weapon Model</source>
            <translation>Модель оружия</translation>
        </message>
        <message>
            <source>&amp;Check</source>
            <translation>&amp;Проверка</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Справка</translation>
        </message>
        <message>
            <source>&amp;Readme</source>
            <translation>&amp;Описание</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>О &amp;программе</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Язык</translation>
        </message>
        <message>
            <source>System language</source>
            <translation>Язык системы</translation>
        </message>
        <message>
            <source>Tessary speaks the language chosen at once.</source>
            <translation>Tessary сразу переходит на выбранный язык.</translation>
        </message>
    </context>
    <context>
        <name>app::ReadmeWindow</name>
        <message>
            <source>Readme</source>
            <translation>Описание</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Закрыть</translation>
        </message>
    </context>
    <context>
        <name>archive</name>
        <message>
            <source>Two of the chosen files would both be %1.</source>
            <translation>Два выбранных файла получили бы одно и то же имя: %1.</translation>
        </message>
        <message>
            <source>%1 exists already.</source>
            <translation>%1 уже существует.</translation>
        </message>
        <message>
            <source>%1 in %2 could not be extracted to %3: %4.</source>
            <translation>Не удалось извлечь %1 из %2 в %3: %4.</translation>
        </message>
        <message>
            <source>its path is longer than %1 bytes</source>
            <translation>его путь длиннее %1 байт</translation>
        </message>
        <message>
            <source>its path is more than %1 levels deep</source>
            <translation>глубина его пути больше %1 уровней</translation>
        </message>
        <message>
            <source>its path holds the name "%1", which Windows does not allow: %2</source>
            <translation>в его пути есть имя «%1», недопустимое в Windows: %2</translation>
        </message>
        <message>
            <source>it is larger than %1 MB</source>
            <translation>он больше %1 МБ</translation>
        </message>
        <message>
            <source>%1 holds more than %2 entries, more than Tessary reads.</source>
            <translation>В %1 больше %2 записей — больше, чем читает Tessary.</translation>
        </message>
        <message>
            <source>Tessary cannot read the files of %1 that a password protects.</source>
            <translation>Tessary не может прочитать файлы архива %1, защищённые паролем.</translation>
        </message>
        <message>
            <source>%1 in %2 is larger than %3 MB.</source>
            <translation>Файл %1 в %2 больше %3 МБ.</translation>
        </message>
        <message>
            <source>%1 has changed since Tessary listed it: %2 is no longer in it.</source>
            <translation>Архив %1 изменился с тех пор, как Tessary прочитал список его файлов: в нём больше нет %2.</translation>
        </message>
        <message>
            <source>%1 could not be opened: %2.</source>
            <translation>Не удалось открыть %1: %2.</translation>
        </message>
        <message>
            <source>an earlier entry has the same name</source>
            <translation>такое же имя у одного из предыдущих файлов архива</translation>
        </message>
        <message>
            <source>%1 could not be read: there is too little memory.</source>
            <translation>Не удалось прочитать %1: недостаточно памяти.</translation>
        </message>
        <message>
            <source>%1 is not a .zip, .rar or .7z archive that Tessary can read.</source>
            <translation>%1 не является архивом .zip, .rar или .7z, который Tessary может прочитать.</translation>
        </message>
        <message>
            <source>%1 is protected by a password, which Tessary cannot open.</source>
            <translation>%1 защищён паролем, а такие архивы Tessary открыть не может.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Не удалось прочитать %1: %2.</translation>
        </message>
        <message>
            <source>%1 could not be read: it is damaged.</source>
            <translation>Не удалось прочитать %1: архив повреждён.</translation>
        </message>
        <message>
            <source>its name cannot be read</source>
            <translation>его имя не удаётся прочитать</translation>
        </message>
        <message>
            <source>its path is absolute</source>
            <translation>его путь абсолютный</translation>
        </message>
        <message>
            <source>its path leads outside the folder it would be extracted to</source>
            <translation>его путь ведёт за пределы папки, в которую он был бы извлечён</translation>
        </message>
        <message>
            <source>it is a link</source>
            <translation>это ссылка</translation>
        </message>
        <message>
            <source>it is not an ordinary file</source>
            <translation>это не обычный файл</translation>
        </message>
        <message>
            <source>it has no name</source>
            <translation>у него нет имени</translation>
        </message>
        <message>
            <source>it is protected by a password</source>
            <translation>он защищён паролем</translation>
        </message>
        <message>
            <source>The files to take out of %1 are larger than %2 MB together, more than Tessary takes out at once.</source>
            <translation>Файлы, которые нужно извлечь из %1, вместе больше %2 МБ — больше, чем Tessary извлекает за один раз.</translation>
        </message>
        <message>
            <source>Tessary leaves out these files of %1:</source>
            <translation>Tessary пропускает эти файлы архива %1:</translation>
        </message>
        <message>
            <source>%1
%2: %3.</source>
            <translation>%1
%2: %3.</translation>
        </message>
        <message>
            <source>%1
And %2 more.</source>
            <translation>%1
И ещё %2.</translation>
        </message>
    </context>
    <context>
        <name>core</name>
        <message>
            <source>Please type in a name for the backup.</source>
            <translation>Введите имя бэкапа.</translation>
        </message>
        <message>
            <source>That name already exists.</source>
            <translation>Такое имя уже есть.</translation>
        </message>
        <message>
            <source>%1 is a file where the backup needs a folder, so no backup was made.</source>
            <translation>%1 — файл, а бэкапу на этом месте нужна папка, поэтому бэкап не создан.</translation>
        </message>
        <message>
            <source>The game's model folder %1 does not exist, so no backup was made.</source>
            <translation>Папки моделей игры %1 нет, поэтому бэкап не создан.</translation>
        </message>
        <message>
            <source>The game file %1 is missing, so no backup was made.</source>
            <translation>Файла игры %1 нет, поэтому бэкап не создан.</translation>
        </message>
        <message>
            <source>The game file %1 cannot be read (%2), so no backup was made.</source>
            <translation>Файл игры %1 не удаётся прочитать (%2), поэтому бэкап не создан.</translation>
        </message>
        <message>
            <source>The name "%1" could not be added to %2</source>
            <translation>Не удалось добавить имя «%1» в %2</translation>
        </message>
        <message>
            <source>Please select a backup set before clicking install.</source>
            <translation>Выберите бэкап, прежде чем нажимать «Установить».</translation>
        </message>
        <message>
            <source>The backup set "%1" has lost its file %2, so nothing was restored.</source>
            <translation>В бэкапе «%1» пропал файл %2, поэтому ничего не восстановлено.</translation>
        </message>
        <message>
            <source>Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.</source>
            <translation>Tessary не удалось убедиться, что результат операции %1 записан на диск (%2), поэтому он её отменил.</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <translation>%1; %2</translation>
        </message>
        <message>
            <source>%1 could not be put back (%2)</source>
            <translation>не удалось вернуть на место %1 (%2)</translation>
        </message>
        <message>
            <source>%1 could not be removed (%2)</source>
            <translation>не удалось удалить %1 (%2)</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it, so it changed nothing. The record is kept as %2; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Tessary нашёл журнал незавершённого изменения, %1, но не может его прочитать, поэтому ничего не изменил. Журнал сохранён как %2; файлы, отложенные этим изменением, называются .&lt;имя&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it (%2), so it changed nothing. The record is kept as %3; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Tessary нашёл журнал незавершённого изменения, %1, но не может его прочитать (%2), поэтому ничего не изменил. Журнал сохранён как %3; файлы, отложенные этим изменением, называются .&lt;имя&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary was stopped as it finished the last %1; the %1 is complete.</source>
            <translation>Работа Tessary была прервана в самом конце последней операции %1; операция %1 выполнена полностью.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, and cannot undo it yet: %2. It tries again at its next start, and changes no files until then.</source>
            <translation>Работа Tessary была прервана до завершения последней операции %1, и отменить её пока не удаётся: %2. Tessary попробует снова при следующем запуске и до тех пор не будет изменять файлы.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, so it has undone it: every file it had changed is as it was before.</source>
            <translation>Работа Tessary была прервана до завершения последней операции %1, поэтому он её отменил: все файлы, которые она изменила, снова такие, как были.</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>Please select a file before clicking import</source>
            <translation>Выберите файл, прежде чем нажимать «Импорт»</translation>
        </message>
        <message>
            <source>Please enter a name for the model</source>
            <translation>Введите имя модели</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: %3, so nothing was imported.</source>
            <translation>%1 нельзя импортировать как %2: %3, поэтому ничего не импортировано.</translation>
        </message>
        <message>
            <source>Please select a model before clicking install.</source>
            <translation>Выберите модель, прежде чем нажимать «Установить».</translation>
        </message>
        <message>
            <source>%1 of the model "%2" was not installed: the game cannot load it (%3). Nothing was installed.</source>
            <translation>Файл %1 модели «%2» не установлен: игра не сможет его загрузить (%3). Ничего не установлено.</translation>
        </message>
        <message>
            <source>the textures of %1</source>
            <translation>текстуры модели %1</translation>
        </message>
        <message>
            <source>the animations of sequence group %1 of %2</source>
            <translation>анимации группы %1 модели %2</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: the game loads the animations of its sequence group %3 from %4, the path stored in the model, and under the new name it would have to be %5, so nothing was imported.</source>
            <translation>%1 нельзя импортировать как %2: анимации его группы %3 игра загружает из %4 — этот путь записан в модели, а под новым именем он должен был бы быть %5, поэтому ничего не импортировано.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was imported.</source>
            <translation>В %2 нет файла %1: игра загружает из него %3 и без него останавливается с ошибкой, поэтому ничего не импортировано.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was installed.</source>
            <translation>В %2 нет файла %1: игра загружает из него %3 и без него останавливается с ошибкой, поэтому ничего не установлено.</translation>
        </message>
        <message>
            <source>it needs %1 beside it, which is missing</source>
            <translation>рядом с ним должен лежать %1, а его нет</translation>
        </message>
        <message>
            <source>it is no model (every model file starts with IDST), and the game stops on it</source>
            <translation>это не модель (любой файл модели начинается с IDST), и на нём игра останавливается с ошибкой</translation>
        </message>
        <message>
            <source>RegKey not found!!</source>
            <translation>Ключ реестра не найден!</translation>
        </message>
        <message>
            <source>The game's registry entry names no game folder, so Tessary cannot tell where the game is installed.</source>
            <translation>В записи реестра игры не указана папка игры, поэтому Tessary не может определить, где установлена игра.</translation>
        </message>
        <message>
            <source>The folder %1 could not be created: %2.</source>
            <translation>Не удалось создать папку %1: %2.</translation>
        </message>
        <message>
            <source>That name cannot be a folder name: %1.</source>
            <translation>Такое имя не может быть именем папки: %1.</translation>
        </message>
        <message>
            <source>%1 The model library was not created; mend the file and start Tessary again.</source>
            <translation>%1 Библиотека моделей не создана: исправьте файл и запустите Tessary снова.</translation>
        </message>
        <message>
            <source>%1, left by an earlier start, could not be removed: %2.</source>
            <translation>Не удалось удалить %1 (остаток от прошлого запуска): %2.</translation>
        </message>
        <message>
            <source>The model library could not be put in place as %1: %2.</source>
            <translation>Не удалось поместить библиотеку моделей в %1: %2.</translation>
        </message>
        <message>
            <source>Tessary keeps its model library in the folder it is started from, %1, but it cannot write there (%2). Move the Tessary folder to a place of your own, such as your Documents folder, and start it from there.</source>
            <translation>Tessary хранит библиотеку моделей в папке, из которой он запущен (%1), но не может туда писать (%2). Перенесите папку Tessary в свою папку, например в папку «Документы», и запустите его оттуда.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", cannot be a folder name: %4.</source>
            <translation>Строка %1 файла %2, «%3», не может быть именем папки: %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", repeats line %4.</source>
            <translation>Строка %1 файла %2, «%3», повторяет строку %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", names a folder that Tessary makes itself.</source>
            <translation>Строка %1 файла %2, «%3», называет папку, которую Tessary создаёт сам.</translation>
        </message>
        <message>
            <source>%1 could not be read from the program folder: %2.</source>
            <translation>Не удалось прочитать %1 из папки программы: %2.</translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>Строки файла %1 в папке программы оканчиваются одним LF, а Tessary считает концом строки CR LF (или CR), поэтому находит в нём %n строку вместо нужных %2.</numerusform>
                <numerusform>Строки файла %1 в папке программы оканчиваются одним LF, а Tessary считает концом строки CR LF (или CR), поэтому находит в нём %n строки вместо нужных %2.</numerusform>
                <numerusform>Строки файла %1 в папке программы оканчиваются одним LF, а Tessary считает концом строки CR LF (или CR), поэтому находит в нём %n строк вместо нужных %2.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>В файле %1 в папке программы %n строка, а Tessary нужно %2.</numerusform>
                <numerusform>В файле %1 в папке программы %n строки, а Tessary нужно %2.</numerusform>
                <numerusform>В файле %1 в папке программы %n строк, а Tessary нужно %2.</numerusform>
            </translation>
        </message>
        <message>
            <source>readme.txt could not be read from the program folder: %1.</source>
            <translation>Не удалось прочитать readme.txt из папки программы: %1.</translation>
        </message>
        <message>
            <source>The model viewer %1 is missing, so Tessary cannot show the model. Unpack Tessary again to get it back.</source>
            <translation>Программы просмотра моделей %1 нет, поэтому Tessary не может показать модель. Распакуйте Tessary заново, чтобы вернуть её.</translation>
        </message>
        <message>
            <source>The model viewer %1 could not be started.</source>
            <translation>Не удалось запустить программу просмотра моделей %1.</translation>
        </message>
        <message>
            <source>No file selected.</source>
            <translation>Файл не выбран.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Сведения о системе сейчас недоступны</translation>
        </message>
        <message>
            <source>The folder %1, into which Tessary takes files out of archives, could not be cleared: %2.</source>
            <translation>Не удалось очистить папку %1, в которую Tessary извлекает файлы из архивов: %2.</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1 or %2</source>
            <translation>%1 или %2</translation>
        </message>
        <message>
            <source>%1 no longer holds %2: the archive has changed since Tessary listed it.</source>
            <translation>В %1 больше нет %2: архив изменился с тех пор, как Tessary прочитал список его файлов.</translation>
        </message>
        <message>
            <source>%1 holds no folder %2 any more.</source>
            <translation>В %1 больше нет папки %2.</translation>
        </message>
        <message>
            <source>The game is running (%1): it uses the new files only after it is restarted, and servers refuse changed files until then. Restart the game before you join a server.</source>
            <translation>Игра запущена (%1): новые файлы она начнёт использовать только после перезапуска, а до тех пор серверы не примут изменённые файлы. Перезапустите игру, прежде чем заходить на сервер.</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>нет файла %1</translation>
        </message>
        <message>
            <source>%1 cannot be read: %2</source>
            <translation>не удаётся прочитать %1: %2</translation>
        </message>
        <message>
            <source>a folder stands in its place</source>
            <translation>на его месте находится папка</translation>
        </message>
        <message>
            <source>%1, a file Tessary kept aside in an earlier change, is in the way; move it elsewhere first</source>
            <translation>мешает файл %1, который Tessary отложил при одном из прошлых изменений; сначала перенесите его в другое место</translation>
        </message>
        <message>
            <source>a file of that name is there already</source>
            <translation>там уже есть файл с таким именем</translation>
        </message>
        <message>
            <source>%1 The game files replaced before it were put back.</source>
            <translation>%1 Файлы игры, заменённые до него, возвращены на место.</translation>
        </message>
        <message>
            <source>%1 No game file was changed.</source>
            <translation>%1 Ни один файл игры не изменён.</translation>
        </message>
        <message>
            <source>%1 could not be copied to %2: %3.</source>
            <translation>Не удалось скопировать %1 в %2: %3.</translation>
        </message>
        <message>
            <source>The game file %1 was not replaced: %2.</source>
            <translation>Файл игры %1 не заменён: %2.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>Tessary has not yet finished or undone an earlier change, whose record is %1, so it changes no files now. Start Tessary again to settle it.</source>
            <translation>Tessary ещё не довёл до конца и не отменил прошлое изменение (его журнал — %1), поэтому сейчас не изменяет файлы. Запустите Tessary снова, чтобы он с ним разобрался.</translation>
        </message>
        <message>
            <source>Tessary could not write the record of the %1, %2, so it changed nothing: %3.</source>
            <translation>Tessary не удалось записать журнал операции %1, %2, поэтому ничего не изменено: %3.</translation>
        </message>
        <message>
            <source>Tessary could not make sure the record of the %1, %2, is on the disk, so it changed nothing: %3.</source>
            <translation>Tessary не удалось убедиться, что журнал операции %1, %2, записан на диск, поэтому ничего не изменено: %3.</translation>
        </message>
        <message>
            <source>Tessary could not undo all of it yet: %1. It tries again at its next start.</source>
            <translation>Tessary пока не удалось отменить всё: %1. Он попробует снова при следующем запуске.</translation>
        </message>
        <message>
            <source>%1 cannot be opened: there is no such folder, or Tessary may not read it.</source>
            <translation>Не удаётся открыть %1: такой папки нет или у Tessary нет права её читать.</translation>
        </message>
        <message>
            <source>install</source>
            <translation>установки</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>восстановления бэкапа</translation>
        </message>
        <message>
            <source>backup</source>
            <translation>создания бэкапа</translation>
        </message>
        <message>
            <source>import</source>
            <translation>импорта</translation>
        </message>
        <message>
            <source>Inavaild model name. The name of the model must match those that CS currently uses</source>
            <translation>Недопустимое имя модели. Имя модели должно совпадать с одним из имён, которые использует CS</translation>
        </message>
        <message>
            <source>No model selected</source>
            <translation>Модель не выбрана</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Не удалось прочитать %1: %2.</translation>
        </message>
    </context>
    <context>
        <name>model</name>
        <message>
            <source>the game walks more than %1 words of its animation, more than Tessary follows</source>
            <translation>игра проходит больше %1 слов данных его анимации — больше, чем отслеживает Tessary</translation>
        </message>
        <message>
            <source>its body parts count %1 models together, more than the game can count</source>
            <translation>всего моделей в его частях — %1, больше, чем может сосчитать игра</translation>
        </message>
        <message>
            <source>the game reads more than %1 vertices of its models, more than Tessary measures</source>
            <translation>игра читает больше %1 вершин его моделей — больше, чем измеряет Tessary</translation>
        </message>
        <message>
            <source>vertex %1 of %2 has a coordinate that is not a number</source>
            <translation>у вершины %1 модели %2 координата не является числом</translation>
        </message>
        <message>
            <source>bone %1 has a position value or scale that is not a finite number</source>
            <translation>у кости %1 значение положения или масштаб не является конечным числом</translation>
        </message>
        <message>
            <source>it counts %1 sequences, more than the %2 Tessary measures</source>
            <translation>число анимаций в нём — %1, а Tessary измеряет не больше %2</translation>
        </message>
        <message>
            <source>%1 has %2 frames, more than the %3 Tessary measures</source>
            <translation>число кадров в анимации %1 — %2, а Tessary измеряет не больше %3</translation>
        </message>
        <message>
            <source>the bones of %1 reach beyond the range of a float</source>
            <translation>кости в анимации %1 выходят за пределы диапазона чисел float</translation>
        </message>
        <message>
            <source>it is not a model file</source>
            <translation>это не файл модели</translation>
        </message>
        <message>
            <source>the game does not load it (%1)</source>
            <translation>игра не сможет его загрузить (%1)</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>не файл модели</translation>
        </message>
        <message>
            <source>%1 is not a sequence group file</source>
            <translation>%1 не является файлом анимаций</translation>
        </message>
        <message>
            <source>%1 is not a texture file of a model</source>
            <translation>%1 не является файлом текстур модели</translation>
        </message>
        <message>
            <source>model version %1 is not supported</source>
            <translation>версия модели %1 не поддерживается</translation>
        </message>
        <message>
            <source>%1 has version %2, which is not supported</source>
            <translation>%1 имеет версию %2, которая не поддерживается</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>нет файла %1</translation>
        </message>
        <message>
            <source>%1 is a folder, not a model file</source>
            <translation>%1 — папка, а не файл модели</translation>
        </message>
        <message>
            <source>%1 is not a regular file</source>
            <translation>%1 — не обычный файл</translation>
        </message>
        <message>
            <source>%1 is larger than %2 MiB, more than any model file</source>
            <translation>%1 больше %2 МБ, а файлы моделей такими не бывают</translation>
        </message>
        <message>
            <source>%1 cannot be read</source>
            <translation>не удаётся прочитать %1</translation>
        </message>
        <message>
            <source>it is a sequence group file, which holds only animation of a model</source>
            <translation>это файл анимаций, в котором только анимация модели</translation>
        </message>
        <message>
            <source>it is a texture file, which holds only the textures of a model</source>
            <translation>это файл текстур, в котором только текстуры модели</translation>
        </message>
        <message>
            <source>it is a model of version %1, of a later engine: the game loads models of version 10 only</source>
            <translation>это модель версии %1 для более нового движка, а игра загружает только модели версии 10</translation>
        </message>
        <message>
            <source>it is a model of version %1: the game loads models of version 10 only</source>
            <translation>это модель версии %1, а игра загружает только модели версии 10</translation>
        </message>
        <message>
            <source>it ends after %1 bytes, inside the %2-byte header of a model</source>
            <translation>размер файла — всего %1 байт, он обрывается внутри заголовка модели длиной %2 байт</translation>
        </message>
        <message>
            <source>it has %1 bones, more than the %2 the game can load</source>
            <translation>число костей в нём — %1, а игра загружает не больше %2</translation>
        </message>
        <message>
            <source>the file</source>
            <translation>файл</translation>
        </message>
        <message>
            <source>texture file %1 is missing</source>
            <translation>нет файла текстур %1</translation>
        </message>
        <message>
            <source>texture file %1</source>
            <translation>файл текстур %1</translation>
        </message>
        <message>
            <source>sequence group file %1 is missing</source>
            <translation>нет файла анимаций %1</translation>
        </message>
        <message>
            <source>sequence group file %1</source>
            <translation>файл анимаций %1</translation>
        </message>
        <message>
            <source>%1 is damaged: %2</source>
            <translation>%1 повреждён: %2</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies before the start of the file</source>
            <translation>смещение %1, по которому игра читает %2, лежит до начала файла</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies past the end of the file (%3 bytes)</source>
            <translation>смещение %1, по которому игра читает %2, лежит за концом файла (%3 байт)</translation>
        </message>
        <message>
            <source>the %1 bytes at offset %2, where the game reads %3, reach past the end of the file (%4 bytes)</source>
            <translation>данные длиной %1 байт по смещению %2, где игра читает %3, выходят за конец файла (%4 байт)</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1 и %2</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>Couldn't allocate console</source>
            <translation>Не удалось выделить консоль</translation>
        </message>
        <message>
            <source>Couldn't allocate STDOUT</source>
            <translation>Не удалось выделить STDOUT</translation>
        </message>
        <message>
            <source>it is empty</source>
            <translation>оно пустое</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <translation>оно длиннее %1 байт</translation>
        </message>
        <message>
            <source>it holds one of the characters \ / : * ? " &lt; &gt; |</source>
            <translation>в нём есть один из символов \ / : * ? " &lt; &gt; |</translation>
        </message>
        <message>
            <source>it holds a control character</source>
            <translation>в нём есть управляющий символ</translation>
        </message>
        <message>
            <source>it is "." or ".."</source>
            <translation>это «.» или «..»</translation>
        </message>
        <message>
            <source>it ends in a dot or a blank</source>
            <translation>оно оканчивается точкой или пробелом</translation>
        </message>
        <message>
            <source>it is a name Windows keeps for a device</source>
            <translation>Windows резервирует это имя для устройства</translation>
        </message>
        <message>
            <source>%1, %2 and %3</source>
            <translation>%1, %2 и %3</translation>
        </message>
        <message>
            <source>(%1, %2, %3)</source>
            <translation>(%1; %2; %3)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>от %1 до %2</translation>
        </message>
        <message>
            <source>%1 units too long</source>
            <translation>на %1 единицы длиннее</translation>
        </message>
        <message>
            <source>%1 units too wide</source>
            <translation>на %1 единицы шире</translation>
        </message>
        <message>
            <source>%1 units too tall</source>
            <translation>на %1 единицы выше</translation>
        </message>
        <message>
            <source>%1 too long</source>
            <translation>на %1 длиннее</translation>
        </message>
        <message>
            <source>%1 too wide</source>
            <translation>на %1 шире</translation>
        </message>
        <message>
            <source>%1 too tall</source>
            <translation>на %1 выше</translation>
        </message>
        <message>
            <source>%1 back</source>
            <translation>%1 назад</translation>
        </message>
        <message>
            <source>%1 forward</source>
            <translation>%1 вперёд</translation>
        </message>
        <message>
            <source>%1 to the right</source>
            <translation>%1 вправо</translation>
        </message>
        <message>
            <source>%1 to the left</source>
            <translation>%1 влево</translation>
        </message>
        <message>
            <source>%1 down</source>
            <translation>%1 вниз</translation>
        </message>
        <message>
            <source>%1 up</source>
            <translation>%1 вверх</translation>
        </message>
        <message>
            <source>%1 for servers, which allow %2</source>
            <translation>%1, чем позволяют серверы: %2</translation>
        </message>
        <message>
            <source>within the box servers allow for %1, %2</source>
            <translation>в пределах рамки %2, которую серверы допускают для %1</translation>
        </message>
        <message>
            <source>no server checks %1</source>
            <translation>%1 не проверяет ни один сервер</translation>
        </message>
        <message>
            <source>As %1, servers accept it: it is %2.</source>
            <translation>Под именем %1 серверы её примут: она %2.</translation>
        </message>
        <message>
            <source>As %1, servers refuse it: it is %2. A server that enforces file consistency, as servers do unless told otherwise, drops a player who uses it.</source>
            <translation>Под именем %1 серверы её не примут: она %2. Сервер, который следит за согласованностью файлов (а серверы так делают, если владелец этого не отключил), отключает игрока с этой моделью.</translation>
        </message>
        <message>
            <source>No server checks a file named %1.</source>
            <translation>Файл с именем %1 не проверяет ни один сервер.</translation>
        </message>
        <message>
            <source>As %1, whether servers accept it cannot be told: %2.</source>
            <translation>Неизвестно, примут ли её серверы под именем %1: %2.</translation>
        </message>
        <message>
            <source>Servers measure its box as %1.
%2</source>
            <translation>Серверы измеряют её габариты: %1.
%2</translation>
        </message>
        <message>
            <source>Servers will refuse this model: it is larger than they allow.

%1 of the model "%2" is %3. Servers that enforce file consistency, as they do unless told otherwise, drop a player who uses it while connecting.

Install it all the same?</source>
            <translation>Серверы не примут эту модель: она больше, чем они допускают.

Файл %1 модели «%2» %3. Серверы, которые следят за согласованностью файлов (а они так делают, если владелец этого не отключил), отключают игрока с такой моделью при подключении.

Всё равно установить?</translation>
        </message>
        <message>
            <source>the box servers allow for a player model, as none checks %1</source>
            <translation>рамка, которую серверы допускают для модели игрока, так как %1 не проверяет ни один сервер</translation>
        </message>
        <message>
            <source>the box servers allow for %1</source>
            <translation>рамка, которую серверы допускают для %1</translation>
        </message>
        <message>
            <source>the box servers allow for %1, as none checks %2</source>
            <translation>рамка, которую серверы допускают для %1, так как %2 не проверяет ни один сервер</translation>
        </message>
        <message>
            <source>another program</source>
            <translation>другая программа</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1 is held open by %2; close it and try again</source>
            <translation>%1 занят: его держит открытым %2; закройте её и попробуйте ещё раз</translation>
        </message>
    </context>
    <context>
        <name>ui::BackupWindow</name>
        <message>
            <source>Weapon models</source>
            <translation>Модели оружия</translation>
        </message>
        <message>
            <source>Backing up weapon models...</source>
            <translation>Сохранение моделей оружия...</translation>
        </message>
        <message>
            <source>Weapon model backup complete.</source>
            <translation>Бэкап моделей оружия готов.</translation>
        </message>
        <message>
            <source>Player models</source>
            <translation>Модели игроков</translation>
        </message>
        <message>
            <source>Backing up player models</source>
            <translation>Сохранение моделей игроков</translation>
        </message>
        <message>
            <source>Player model backup complete.</source>
            <translation>Бэкап моделей игроков готов.</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>Бэкап</translation>
        </message>
        <message>
            <source>Type in a name for the backups and click backup</source>
            <translation>Введите имя бэкапа и нажмите «Создать»</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Создать</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;ОК</translation>
        </message>
    </context>
    <context>
        <name>ui::CheckWindow</name>
        <message>
            <source>accepted</source>
            <translation>примут</translation>
        </message>
        <message>
            <source>refused</source>
            <translation>не примут</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>не проверяют</translation>
        </message>
        <message>
            <source>cannot tell</source>
            <translation>неизвестно</translation>
        </message>
        <message>
            <source>backup set %1</source>
            <translation>бэкап %1</translation>
        </message>
        <message>
            <source>model %1</source>
            <translation>модель %1</translation>
        </message>
        <message>
            <source>it cannot be read: %1</source>
            <translation>файл не удаётся прочитать: %1</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>не файл модели</translation>
        </message>
        <message>
            <source>with its model</source>
            <translation>вместе с моделью</translation>
        </message>
        <message>
            <source>it holds %1</source>
            <translation>в нём %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>да</translation>
        </message>
        <message>
            <source>no: %1</source>
            <translation>нет: %1</translation>
        </message>
        <message>
            <source>library</source>
            <translation>библиотека</translation>
        </message>
        <message>
            <source>game</source>
            <translation>игра</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 модели %2</translation>
        </message>
        <message>
            <source>the game's %1</source>
            <translation>%1 в игре</translation>
        </message>
        <message>
            <source>Check</source>
            <translation>Проверка</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>Картинка</translation>
        </message>
        <message>
            <source>Where</source>
            <translation>Где</translation>
        </message>
        <message>
            <source>Type or weapon</source>
            <translation>Тип или оружие</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Модель</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Файл</translation>
        </message>
        <message>
            <source>Game loads it</source>
            <translation>Игра загрузит</translation>
        </message>
        <message>
            <source>Servers</source>
            <translation>Серверы</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Почему</translation>
        </message>
        <message>
            <source>Box measured</source>
            <translation>Габариты</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;ОК</translation>
        </message>
        <message>
            <source>%1 is %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>Servers will refuse none of these files.</source>
            <translation>Серверы не отклонят ни одного из этих файлов.</translation>
        </message>
        <message>
            <source>The game loads every one of them.</source>
            <translation>Игра загрузит их все.</translation>
        </message>
        <message>
            <source>None of the game's files is from the library or a backup set.</source>
            <translation>Ни один из файлов игры не взят из библиотеки или бэкапа.</translation>
        </message>
        <message>
            <source>In the game now: %1.</source>
            <translation>Сейчас в игре: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%1 and %n more</source>
            <translation>
                <numerusform>%1 и ещё %n</numerusform>
                <numerusform>%1 и ещё %n</numerusform>
                <numerusform>%1 и ещё %n</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Reading %1 of %n files...</source>
            <translation>
                <numerusform>Чтение файла %1 из %n...</numerusform>
                <numerusform>Чтение файла %1 из %n...</numerusform>
                <numerusform>Чтение файла %1 из %n...</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n files checked.</source>
            <translation>
                <numerusform>Проверен %n файл.</numerusform>
                <numerusform>Проверено %n файла.</numerusform>
                <numerusform>Проверено %n файлов.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Servers will refuse %n files: %1.</source>
            <translation>
                <numerusform>Серверы отклонят %n файл: %1.</numerusform>
                <numerusform>Серверы отклонят %n файла: %1.</numerusform>
                <numerusform>Серверы отклонят %n файлов: %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The game cannot load %n files: %1.</source>
            <translation>
                <numerusform>Игра не сможет загрузить %n файл: %1.</numerusform>
                <numerusform>Игра не сможет загрузить %n файла: %1.</numerusform>
                <numerusform>Игра не сможет загрузить %n файлов: %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ui::ImportWindow</name>
        <message>
            <source>The game uses no file of this name: right-click it to import it as one of the game's models.</source>
            <translation>Файла с таким именем в игре нет: щёлкните по нему правой кнопкой мыши, чтобы импортировать его как одну из моделей игры.</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;ОК</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Импорт</translation>
        </message>
        <message>
            <source>Import as</source>
            <translation>Импорт как</translation>
        </message>
        <message>
            <source> imported</source>
            <translation> импортирована</translation>
        </message>
    </context>
    <context>
        <name>ui::InstallWindow</name>
        <message>
            <source>&amp;Install</source>
            <translation>&amp;Установить</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;ОК</translation>
        </message>
        <message>
            <source>Select the model you would like to install and click install.</source>
            <translation>Выберите модель и нажмите «Установить».</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Просмотр</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerImportWindow</name>
        <message>
            <source>Import Player Model</source>
            <translation>Импорт модели игрока</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
            <translation>Найдите и выберите файл для импорта. Затем введите имя модели и нажмите «Импорт».</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerInstallWindow</name>
        <message>
            <source>Install Player Model</source>
            <translation>Установка модели игрока</translation>
        </message>
        <message>
            <source>Backup %1 installed</source>
            <translation>Бэкап %1 установлен</translation>
        </message>
        <message>
            <source>%1 model %2 installed</source>
            <translation>%1: модель %2 установлена</translation>
        </message>
    </context>
    <context>
        <name>ui::RestoreControls</name>
        <message>
            <source>Install Backup</source>
            <translation>Восстановить</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Установить</translation>
        </message>
    </context>
    <context>
        <name>ui::SourceBrowser</name>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Просмотр</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponImportWindow</name>
        <message>
            <source>Import Weapon Model</source>
            <translation>Импорт модели оружия</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
            <translation>Найдите и выберите файл для импорта. Затем введите комментарий к нему и нажмите «Импорт».</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponInstallWindow</name>
        <message>
            <source>Install Weapon Model</source>
            <translation>Установка модели оружия</translation>
        </message>
        <message>
            <source>Backup install complete</source>
            <translation>Бэкап установлен</translation>
        </message>
        <message>
            <source>Install Left Model</source>
            <translation>Левая модель</translation>
        </message>
        <message>
            <source>Install Right Model</source>
            <translation>Правая модель</translation>
        </message>
        <message>
            <source>Install W Model</source>
            <translation>Модель W</translation>
        </message>
        <message>
            <source>Install P Model</source>
            <translation>Модель P</translation>
        </message>
        <message>
            <source>Install Complete</source>
            <translation>Установка завершена</translation>
        </message>
    </context>
    <context>
        <name>viewer::ChoicePanel</name>
        <message>
            <source>Body parts and skins</source>
            <translation>Части модели и окраска</translation>
        </message>
        <message>
            <source>Family %1</source>
            <translation>Вариант %1</translation>
        </message>
        <message>
            <source>S&amp;kin</source>
            <translation>&amp;Окраска</translation>
        </message>
    </context>
    <context>
        <name>viewer::SequencePanel</name>
        <message>
            <source>Se&amp;quences</source>
            <translation>&amp;Анимации</translation>
        </message>
        <message>
            <source>Pre&amp;v</source>
            <translation>&amp;Назад</translation>
        </message>
        <message>
            <source>&amp;Play</source>
            <translation>&amp;Пуск</translation>
        </message>
        <message>
            <source>Ne&amp;xt</source>
            <translation>&amp;Вперёд</translation>
        </message>
        <message>
            <source>Reference pose</source>
            <translation>Исходная поза</translation>
        </message>
        <message>
            <source>%1 (%2 frames at %3 fps%4)</source>
            <translation>%1 (кадров: %2, %3 кадр/с%4)</translation>
        </message>
        <message>
            <source>, looping</source>
            <translation>, по кругу</translation>
        </message>
        <message>
            <source>The frame before (comma in the picture)</source>
            <translation>Предыдущий кадр (запятая на изображении)</translation>
        </message>
        <message>
            <source>Plays or pauses the sequence (Space in the picture)</source>
            <translation>Запускает анимацию или ставит её на паузу (Space на изображении)</translation>
        </message>
        <message>
            <source>The frame after (full stop in the picture)</source>
            <translation>Следующий кадр (точка на изображении)</translation>
        </message>
        <message>
            <source>Fra&amp;me</source>
            <translation>Ка&amp;др</translation>
        </message>
        <message>
            <source>Mixes the sequence's blend sets, as the game does to aim</source>
            <translation>Смешивает наборы анимации, как это делает игра при прицеливании</translation>
        </message>
        <message>
            <source>B&amp;lend</source>
            <translation>Сме&amp;шение</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>&amp;Пауза</translation>
        </message>
        <message>
            <source>Frame %1 of %2</source>
            <translation>Кадр %1 из %2</translation>
        </message>
        <message>
            <source>The pose the model was made in</source>
            <translation>Поза, в которой модель создана</translation>
        </message>
        <message>
            <source>%1, from %2 to %3</source>
            <translation>%1 (от %2 до %3)</translation>
        </message>
    </context>
    <context>
        <name>viewer::ServerPanel</name>
        <message>
            <source>On servers</source>
            <translation>На серверах</translation>
        </message>
        <message>
            <source>Server b&amp;ox</source>
            <translation>Рамка с&amp;ервера</translation>
        </message>
        <message>
            <source>Pla&amp;yer size</source>
            <translation>Размер &amp;игрока</translation>
        </message>
        <message>
            <source>Draws the box servers allow and the box they measure, and in red where the model reaches beyond</source>
            <translation>Рисует рамку, которую допускают серверы, и рамку, которую они измеряют, а красным — то, что выходит за допустимую</translation>
        </message>
        <message>
            <source>Draws the hull the game moves a player by and hits him in</source>
            <translation>Рисует параллелепипед, по которому игра перемещает игрока и попадает в него</translation>
        </message>
        <message>
            <source>Green: %1. What servers measure cannot be told.</source>
            <translation>Зелёная: %1. Что измеряют серверы, определить нельзя.</translation>
        </message>
        <message>
            <source>Green: %1; held against it, the model is %2. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Зелёная: %1; по сравнению с ней модель %2. Жёлтая: рамка, которую измерили бы серверы. Красным: где модель выходит за зелёную рамку.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Зелёная: %1. Жёлтая: рамка, которую измерили бы серверы. Красным: где модель выходит за зелёную рамку.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers measure. Red: where the model reaches beyond the green box.</source>
            <translation>Зелёная: %1. Жёлтая: рамка, которую измеряют серверы. Красным: где модель выходит за зелёную рамку.</translation>
        </message>
        <message>
            <source>Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × 32 × 36; both centred on the model's origin, as the game centres them.</source>
            <translation>Голубой: игрок стоя, 32 × 32 × 72 единицы; фиолетовый: присев, 32 × 32 × 36; оба с центром в начале координат модели, как их центрирует игра.</translation>
        </message>
    </context>
    <context>
        <name>viewer::TextureBrowser</name>
        <message>
            <source>masked</source>
            <translation>маска</translation>
        </message>
        <message>
            <source>chrome</source>
            <translation>хром</translation>
        </message>
        <message>
            <source>full bright</source>
            <translation>полная яркость</translation>
        </message>
        <message>
            <source>additive</source>
            <translation>аддитивность</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Имя</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Размер</translation>
        </message>
        <message>
            <source>Flags</source>
            <translation>Флаги</translation>
        </message>
        <message>
            <source>The texture's 256 colours, row by row from index 0</source>
            <translation>256 цветов текстуры, по строкам начиная с индекса 0</translation>
        </message>
        <message>
            <source>&amp;Fit to the view</source>
            <translation>&amp;Вписать в окно</translation>
        </message>
        <message>
            <source>Shows the texture as large as fits, else at one pixel a texel</source>
            <translation>Показывает текстуру настолько крупной, насколько она помещается, а без этого — один пиксель на тексель</translation>
        </message>
        <message>
            <source>Save t&amp;exture...</source>
            <translation>Сохранить &amp;текстуру...</translation>
        </message>
        <message>
            <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
            <translation>Сохраняет текстуру как 8-битный BMP с палитрой или как PNG</translation>
        </message>
        <message>
            <source>Palette</source>
            <translation>Палитра</translation>
        </message>
        <message>
            <source>%1 was saved as %2.</source>
            <translation>Текстура %1 сохранена как %2.</translation>
        </message>
        <message>
            <source>%1 could not be saved as %2: %3.</source>
            <translation>Не удалось сохранить текстуру %1 как %2: %3.</translation>
        </message>
        <message>
            <source>8-bit BMP with its palette (*.bmp)</source>
            <translation>8-битный BMP с палитрой (*.bmp)</translation>
        </message>
        <message>
            <source>PNG (*.png)</source>
            <translation>PNG (*.png)</translation>
        </message>
        <message>
            <source>Save texture</source>
            <translation>Сохранение текстуры</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewPanel</name>
        <message>
            <source>View</source>
            <translation>Вид</translation>
        </message>
        <message>
            <source>&amp;Textures</source>
            <translation>&amp;Текстуры</translation>
        </message>
        <message>
            <source>&amp;Wireframe</source>
            <translation>&amp;Каркас</translation>
        </message>
        <message>
            <source>&amp;Bones</source>
            <translation>&amp;Скелет</translation>
        </message>
        <message>
            <source>&amp;Ground</source>
            <translation>&amp;Земля</translation>
        </message>
        <message>
            <source>F&amp;irst person</source>
            <translation>От первого &amp;лица</translation>
        </message>
        <message>
            <source>Sees the model from its origin along its front, as the game shows a weapon in the player's hands</source>
            <translation>Показывает вид из начала координат модели вперёд — так игра показывает оружие в руках игрока</translation>
        </message>
        <message>
            <source>Ba&amp;ckground...</source>
            <translation>&amp;Цвет фона...</translation>
        </message>
        <message>
            <source>&amp;Reset view</source>
            <translation>С&amp;бросить вид</translation>
        </message>
        <message>
            <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
            <translation>Снова вписывает модель в кадр или возвращает взгляд на место глаза (Home на изображении)</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>Со&amp;хранить снимок...</translation>
        </message>
        <message>
            <source>Saves the picture as PNG (Ctrl+S)</source>
            <translation>Сохраняет снимок в PNG (Ctrl+S)</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewerWindow</name>
        <message>
            <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
            <translation>Перетаскивайте модель левой кнопкой мыши, чтобы повернуть её, и правой, чтобы сдвинуть; колесо мыши приближает её. С клавиатуры, когда фокус на изображении: стрелки поворачивают модель, Shift со стрелками сдвигает её, + и - приближают и отдаляют, Home возвращает вид. При виде от первого лица взгляд остаётся на месте глаза. Space запускает анимацию или ставит её на паузу, запятая и точка листают по кадру. Ctrl+S сохраняет снимок, Escape закрывает окно.</translation>
        </message>
        <message>
            <source>Tessary model viewer</source>
            <translation>Просмотр моделей Tessary</translation>
        </message>
        <message>
            <source>Mo&amp;del</source>
            <translation>&amp;Модель</translation>
        </message>
        <message>
            <source>Open a model with File → Open, or drop a .mdl file here.</source>
            <translation>Откройте модель через Файл → Открыть или перетащите сюда файл .mdl.</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Файл</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Открыть...</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>Со&amp;хранить снимок...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>В&amp;ыход</translation>
        </message>
        <message>
            <source>Open model</source>
            <translation>Открытие модели</translation>
        </message>
        <message>
            <source>Model files (*.mdl);;All files (*)</source>
            <translation>Файлы моделей (*.mdl);;Все файлы (*)</translation>
        </message>
        <message>
            <source>%1 — %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>The file could not be read.</source>
            <translation>Не удалось прочитать файл.</translation>
        </message>
        <message>
            <source>%1 cannot be shown.</source>
            <translation>Не удаётся показать %1.</translation>
        </message>
        <message>
            <source>Text&amp;ures</source>
            <translation>Тексту&amp;ры</translation>
        </message>
        <message>
            <source>%1 holds textures only.</source>
            <translation>В %1 хранятся только текстуры.</translation>
        </message>
        <message>
            <source>%1 holds the textures of the model %2.</source>
            <translation>В %1 хранятся текстуры модели %2.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
            <translation>В %1 только кадры анимаций другой модели, показывать нечего.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
            <translation>В %1 только кадры анимаций модели %2, показывать нечего; воспроизводит их %2.</translation>
        </message>
        <message>
            <source>&amp;Open %1</source>
            <translation>&amp;Открыть %1</translation>
        </message>
        <message>
            <source>%1 is not in the same folder.</source>
            <translation>%1 нет в той же папке.</translation>
        </message>
        <message>
            <source>About the model</source>
            <translation>О модели</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Цвет фона</translation>
        </message>
        <message>
            <source>The picture was saved as %1.</source>
            <translation>Снимок сохранён как %1.</translation>
        </message>
        <message>
            <source>The picture could not be saved as %1.</source>
            <translation>Не удалось сохранить снимок как %1.</translation>
        </message>
        <message>
            <source>Save picture</source>
            <translation>Сохранение снимка</translation>
        </message>
        <message>
            <source>PNG pictures (*.png)</source>
            <translation>Изображения PNG (*.png)</translation>
        </message>
    </context>
</TS>
