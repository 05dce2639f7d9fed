<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk" sourcelanguage="en">
    <context>
        <name>ModelTip</name>
        <message>
            <source>It cannot be read: %1.</source>
            <translation>Її не вдається прочитати: %1.</translation>
        </message>
        <message>
            <source>It is not a model file.</source>
            <translation>Це не файл моделі.</translation>
        </message>
        <message>
            <source>The game cannot load it: %1.</source>
            <translation>Гра не може її завантажити: %1.</translation>
        </message>
        <message>
            <source>Servers accept it.</source>
            <translation>Сервери її приймають.</translation>
        </message>
        <message>
            <source>Servers refuse it: it is %1.</source>
            <translation>Сервери її відхиляють: вона %1.</translation>
        </message>
        <message>
            <source>No server checks it.</source>
            <translation>Жоден сервер її не перевіряє.</translation>
        </message>
        <message>
            <source>Whether servers accept it cannot be told: %1.</source>
            <translation>Неможливо визначити, чи приймуть її сервери: %1.</translation>
        </message>
    </context>
    <context>
        <name>app::AboutWindow</name>
        <message>
            <source>OK</source>
            <translation>OK</translation>
        </message>
        <message>
            <source>This application is intended to help those people that like to use custom models and need a way to organize them.</source>
            <translation>Ця програма допомагає тим, хто любить грати з власними моделями і хоче тримати їх у порядку.</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>&amp;Про систему...</translation>
        </message>
        <message>
            <source>Version %1.%2.%3</source>
            <translation>Версія %1.%2.%3</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Про %1</translation>
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
            <translation>Ви&amp;хід</translation>
        </message>
        <message>
            <source>&amp;Model</source>
            <translation>&amp;Модель</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Резервна копія</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Імпорт</translation>
        </message>
        <message>
            <source>&amp;Player</source>
            <translation>&amp;Гравець</translation>
        </message>
        <message>
            <source>&amp;Weapon</source>
            <translation>&amp;Зброя</translation>
        </message>
        <message>
            <source>I&amp;nstall</source>
            <translation>&amp;Встановити</translation>
        </message>
        <message>
            <source>Player Model</source>
            <translation>Модель гравця</translation>
        </message>
        <message>
            <source>Weapon Model</source>
            <translation>Модель зброї</translation>
        </message>
        <message>
            <source>&amp;Check</source>
            <translation>&amp;Перевірка</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Довідка</translation>
        </message>
        <message>
            <source>&amp;Readme</source>
            <translation>&amp;Посібник</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Про програму</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Мова</translation>
        </message>
        <message>
            <source>System language</source>
            <translation>Мова системи</translation>
        </message>
        <message>
            <source>Tessary speaks the language chosen at once.</source>
            <translation>Tessary одразу переходить на вибрану мову.</translation>
        </message>
    </context>
    <context>
        <name>app::ReadmeWindow</name>
        <message>
            <source>Readme</source>
            <translation>Посібник</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Закрити</translation>
        </message>
    </context>
    <context>
        <name>archive</name>
        <message>
            <source>Two of the chosen files would both be %1.</source>
            <translation>Два з вибраних файлів мали б одну й ту саму назву: %1.</translation>
        </message>
        <message>
            <source>%1 exists already.</source>
            <translation>%1 уже існує.</translation>
        </message>
        <message>
            <source>%1 in %2 could not be extracted to %3: %4.</source>
            <translation>Не вдалося розпакувати %1 з %2 у %3: %4.</translation>
        </message>
        <message>
            <source>its path is longer than %1 bytes</source>
            <translation>його шлях довший за %1 байти</translation>
        </message>
        <message>
            <source>its path is more than %1 levels deep</source>
            <translation>глибина вкладеності його шляху більша за %1</translation>
        </message>
        <message>
            <source>its path holds the name "%1", which Windows does not allow: %2</source>
            <translation>його шлях містить назву «%1», якої Windows не допускає: %2</translation>
        </message>
        <message>
            <source>it is larger than %1 MB</source>
            <translation>він більший за %1 МБ</translation>
        </message>
        <message>
            <source>%1 holds more than %2 entries, more than Tessary reads.</source>
            <translation>%1 містить понад %2 записів — більше, ніж читає Tessary.</translation>
        </message>
        <message>
            <source>Tessary cannot read the files of %1 that a password protects.</source>
            <translation>Tessary не може прочитати файли з %1, захищені паролем.</translation>
        </message>
        <message>
            <source>%1 in %2 is larger than %3 MB.</source>
            <translation>Файл %1 в архіві %2 більший за %3 МБ.</translation>
        </message>
        <message>
            <source>%1 has changed since Tessary listed it: %2 is no longer in it.</source>
            <translation>Архів %1 змінився після того, як Tessary прочитала його вміст: %2 у ньому більше немає.</translation>
        </message>
        <message>
            <source>%1 could not be opened: %2.</source>
            <translation>Не вдалося відкрити %1: %2.</translation>
        </message>
        <message>
            <source>an earlier entry has the same name</source>
            <translation>попередній запис має таку саму назву</translation>
        </message>
        <message>
            <source>%1 could not be read: there is too little memory.</source>
            <translation>Не вдалося прочитати %1: замало пам'яті.</translation>
        </message>
        <message>
            <source>%1 is not a .zip, .rar or .7z archive that Tessary can read.</source>
            <translation>%1 не є архівом .zip, .rar чи .7z, який Tessary може прочитати.</translation>
        </message>
        <message>
            <source>%1 is protected by a password, which Tessary cannot open.</source>
            <translation>%1 захищено паролем, тож Tessary не може його відкрити.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Не вдалося прочитати %1: %2.</translation>
        </message>
        <message>
            <source>%1 could not be read: it is damaged.</source>
            <translation>Не вдалося прочитати %1: архів пошкоджено.</translation>
        </message>
        <message>
            <source>its name cannot be read</source>
            <translation>його назву не вдається прочитати</translation>
        </message>
        <message>
            <source>its path is absolute</source>
            <translation>його шлях абсолютний</translation>
        </message>
        <message>
            <source>its path leads outside the folder it would be extracted to</source>
            <translation>його шлях веде за межі папки, у яку його було б розпаковано</translation>
        </message>
        <message>
            <source>it is a link</source>
            <translation>це посилання</translation>
        </message>
        <message>
            <source>it is not an ordinary file</source>
            <translation>це не звичайний файл</translation>
        </message>
        <message>
            <source>it has no name</source>
            <translation>він не має назви</translation>
        </message>
        <message>
            <source>it is protected by a password</source>
            <translation>його захищено паролем</translation>
        </message>
        <message>
            <source>The files to take out of %1 are larger than %2 MB together, more than Tessary takes out at once.</source>
            <translation>Файли, які треба розпакувати з %1, разом більші за %2 МБ — більше, ніж Tessary розпаковує за один раз.</translation>
        </message>
        <message>
            <source>Tessary leaves out these files of %1:</source>
            <translation>Tessary пропускає такі файли з %1:</translation>
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
І ще %2.</translation>
        </message>
    </context>
    <context>
        <name>core</name>
        <message>
            <source>Please type in a name for the backup.</source>
            <translation>Введіть назву резервної копії.</translation>
        </message>
        <message>
            <source>That name already exists.</source>
            <translation>Така назва вже існує.</translation>
        </message>
        <message>
            <source>%1 is a file where the backup needs a folder, so no backup was made.</source>
            <translation>%1 — це файл, а резервній копії на його місці потрібна папка, тож резервну копію не створено.</translation>
        </message>
        <message>
            <source>The game's model folder %1 does not exist, so no backup was made.</source>
            <translation>Папки моделей гри %1 не існує, тож резервну копію не створено.</translation>
        </message>
        <message>
            <source>The game file %1 is missing, so no backup was made.</source>
            <translation>Файлу гри %1 немає, тож резервну копію не створено.</translation>
        </message>
        <message>
            <source>The game file %1 cannot be read (%2), so no backup was made.</source>
            <translation>Не вдається прочитати файл гри %1 (%2), тож резервну копію не створено.</translation>
        </message>
        <message>
            <source>The name "%1" could not be added to %2</source>
            <translation>Не вдалося додати назву «%1» до %2</translation>
        </message>
        <message>
            <source>Please select a backup set before clicking install.</source>
            <translation>Виберіть резервний набір, перш ніж натискати «Встановити».</translation>
        </message>
        <message>
            <source>The backup set "%1" has lost its file %2, so nothing was restored.</source>
            <translation>З резервного набору «%1» зник файл %2, тож нічого не відновлено.</translation>
        </message>
        <message>
            <source>Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.</source>
            <translation>Tessary не вдалося переконатися, що %1 надійно записано на диск (%2), тож його скасовано.</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <translation>%1; %2</translation>
        </message>
        <message>
            <source>%1 could not be put back (%2)</source>
            <translation>не вдалося повернути на місце %1 (%2)</translation>
        </message>
        <message>
            <source>%1 could not be removed (%2)</source>
            <translation>не вдалося видалити %1 (%2)</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it, so it changed nothing. The record is kept as %2; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Знайдено запис про незавершену зміну, %1, але Tessary не може його прочитати, тож нічого не змінено. Запис збережено як %2; файли, які ця зміна відклала вбік, мають назви .&lt;назва&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it (%2), so it changed nothing. The record is kept as %3; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Знайдено запис про незавершену зміну, %1, але Tessary не може його прочитати (%2), тож нічого не змінено. Запис збережено як %3; файли, які ця зміна відклала вбік, мають назви .&lt;назва&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary was stopped as it finished the last %1; the %1 is complete.</source>
            <translation>Роботу Tessary було перервано, коли останнє %1 саме завершувалося; %1 виконано повністю.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, and cannot undo it yet: %2. It tries again at its next start, and changes no files until then.</source>
            <translation>Роботу Tessary було перервано, коли останнє %1 ще не завершилося, і скасувати його поки не вдається: %2. Програма спробує ще раз під час наступного запуску, а доти не змінює жодного файлу.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, so it has undone it: every file it had changed is as it was before.</source>
            <translation>Роботу Tessary було перервано, коли останнє %1 ще не завершилося, тож його скасовано: кожен змінений файл знову такий, яким був раніше.</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>Please select a file before clicking import</source>
            <translation>Виберіть файл, перш ніж натискати «Імпорт»</translation>
        </message>
        <message>
            <source>Please enter a name for the model</source>
            <translation>Введіть назву моделі</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: %3, so nothing was imported.</source>
            <translation>%1 не можна імпортувати як %2: %3, тож нічого не імпортовано.</translation>
        </message>
        <message>
            <source>Please select a model before clicking install.</source>
            <translation>Виберіть модель, перш ніж натискати «Встановити».</translation>
        </message>
        <message>
            <source>%1 of the model "%2" was not installed: the game cannot load it (%3). Nothing was installed.</source>
            <translation>Файл %1 моделі «%2» не встановлено: гра не може його завантажити (%3). Нічого не встановлено.</translation>
        </message>
        <message>
            <source>the textures of %1</source>
            <translation>текстури %1</translation>
        </message>
        <message>
            <source>the animations of sequence group %1 of %2</source>
            <translation>анімації групи %1 файлу %2</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: the game loads the animations of its sequence group %3 from %4, the path stored in the model, and under the new name it would have to be %5, so nothing was imported.</source>
            <translation>%1 не можна імпортувати як %2: анімації його групи %3 гра завантажує з %4 (цей шлях записано в моделі), а під новою назвою це мав би бути %5, тож нічого не імпортовано.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was imported.</source>
            <translation>У папці %2 немає %1: гра завантажує з нього %3 і без нього зупиняється, тож нічого не імпортовано.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was installed.</source>
            <translation>У папці %2 немає %1: гра завантажує з нього %3 і без нього зупиняється, тож нічого не встановлено.</translation>
        </message>
        <message>
            <source>it needs %1 beside it, which is missing</source>
            <translation>поруч має лежати %1, а його немає</translation>
        </message>
        <message>
            <source>it is no model (every model file starts with IDST), and the game stops on it</source>
            <translation>це не модель (кожен файл моделі починається з IDST), і на ньому гра зупиняється</translation>
        </message>
        <message>
            <source>RegKey not found!!</source>
            <translation>Ключ реєстру не знайдено!</translation>
        </message>
        <message>
            <source>The game's registry entry names no game folder, so Tessary cannot tell where the game is installed.</source>
            <translation>Запис гри в реєстрі не вказує папки гри, тож Tessary не може визначити, де встановлено гру.</translation>
        </message>
        <message>
            <source>The folder %1 could not be created: %2.</source>
            <translation>Не вдалося створити папку %1: %2.</translation>
        </message>
        <message>
            <source>That name cannot be a folder name: %1.</source>
            <translation>Така назва не може бути назвою папки: %1.</translation>
        </message>
        <message>
            <source>%1 The model library was not created; mend the file and start Tessary again.</source>
            <translation>%1 Бібліотеку моделей не створено; виправте файл і запустіть Tessary знову.</translation>
        </message>
        <message>
            <source>%1, left by an earlier start, could not be removed: %2.</source>
            <translation>Не вдалося видалити папку %1, що лишилася від попереднього запуску: %2.</translation>
        </message>
        <message>
            <source>The model library could not be put in place as %1: %2.</source>
            <translation>Не вдалося поставити бібліотеку моделей на місце як %1: %2.</translation>
        </message>
        <message>
            <source>Tessary keeps its model library in the folder it is started from, %1, but it cannot write there (%2). Move the Tessary folder to a place of your own, such as your Documents folder, and start it from there.</source>
            <translation>Tessary тримає бібліотеку моделей у папці, з якої її запущено, %1, але не може туди записувати (%2). Перемістіть папку Tessary у власне місце, наприклад у папку «Документи», і запустіть програму звідти.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", cannot be a folder name: %4.</source>
            <translation>Рядок %1 файлу %2, «%3», не може бути назвою папки: %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", repeats line %4.</source>
            <translation>Рядок %1 файлу %2, «%3», повторює рядок %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", names a folder that Tessary makes itself.</source>
            <translation>Рядок %1 файлу %2, «%3», називає папку, яку Tessary і так створює.</translation>
        </message>
        <message>
            <source>%1 could not be read from the program folder: %2.</source>
            <translation>Не вдалося прочитати %1 з папки програми: %2.</translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>У файлі %1 у папці програми рядки закінчуються лише символом LF, а Tessary вважає кінцем рядка CR LF (або CR), тож знаходить %n рядок там, де потрібно %2.</numerusform>
                <numerusform>У файлі %1 у папці програми рядки закінчуються лише символом LF, а Tessary вважає кінцем рядка CR LF (або CR), тож знаходить %n рядки там, де потрібно %2.</numerusform>
                <numerusform>У файлі %1 у папці програми рядки закінчуються лише символом LF, а Tessary вважає кінцем рядка CR LF (або CR), тож знаходить %n рядків там, де потрібно %2.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>Файл %1 у папці програми містить %n рядок, а Tessary потрібно %2.</numerusform>
                <numerusform>Файл %1 у папці програми містить %n рядки, а Tessary потрібно %2.</numerusform>
                <numerusform>Файл %1 у папці програми містить %n рядків, а Tessary потрібно %2.</numerusform>
            </translation>
        </message>
        <message>
            <source>readme.txt could not be read from the program folder: %1.</source>
            <translation>Не вдалося прочитати readme.txt з папки програми: %1.</translation>
        </message>
        <message>
            <source>The model viewer %1 is missing, so Tessary cannot show the model. Unpack Tessary again to get it back.</source>
            <translation>Переглядача моделей %1 немає, тож Tessary не може показати модель. Розпакуйте Tessary знову, щоб його повернути.</translation>
        </message>
        <message>
            <source>The model viewer %1 could not be started.</source>
            <translation>Не вдалося запустити переглядач моделей %1.</translation>
        </message>
        <message>
            <source>No file selected.</source>
            <translation>Файл не вибрано.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Відомості про систему зараз недоступні</translation>
        </message>
        <message>
            <source>The folder %1, into which Tessary takes files out of archives, could not be cleared: %2.</source>
            <translation>Не вдалося очистити папку %1, у яку Tessary розпаковує файли з архівів: %2.</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1 or %2</source>
            <translation>%1 чи %2</translation>
        </message>
        <message>
            <source>%1 no longer holds %2: the archive has changed since Tessary listed it.</source>
            <translation>У %1 більше немає %2: архів змінився після того, як Tessary прочитала його вміст.</translation>
        </message>
        <message>
            <source>%1 holds no folder %2 any more.</source>
            <translation>У %1 більше немає папки %2.</translation>
        </message>
        <message>
            <source>The game is running (%1): it uses the new files only after it is restarted, and servers refuse changed files until then. Restart the game before you join a server.</source>
            <translation>Гра запущена (%1): нові файли вона використає лише після перезапуску, а доти сервери відхилятимуть змінені файли. Перезапустіть гру, перш ніж заходити на сервер.</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>немає %1</translation>
        </message>
        <message>
            <source>%1 cannot be read: %2</source>
            <translation>не вдається прочитати %1: %2</translation>
        </message>
        <message>
            <source>a folder stands in its place</source>
            <translation>на його місці стоїть папка</translation>
        </message>
        <message>
            <source>%1, a file Tessary kept aside in an earlier change, is in the way; move it elsewhere first</source>
            <translation>заважає %1, файл, відкладений убік під час попередньої зміни; спершу перемістіть його в інше місце</translation>
        </message>
        <message>
            <source>a file of that name is there already</source>
            <translation>там уже є файл із такою назвою</translation>
        </message>
        <message>
            <source>%1 The game files replaced before it were put back.</source>
            <translation>%1 Файли гри, замінені перед ним, повернуто на місце.</translation>
        </message>
        <message>
            <source>%1 No game file was changed.</source>
            <translation>%1 Жоден файл гри не змінено.</translation>
        </message>
        <message>
            <source>%1 could not be copied to %2: %3.</source>
            <translation>Не вдалося скопіювати %1 у %2: %3.</translation>
        </message>
        <message>
            <source>The game file %1 was not replaced: %2.</source>
            <translation>Файл гри %1 не замінено: %2.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>Tessary has not yet finished or undone an earlier change, whose record is %1, so it changes no files now. Start Tessary again to settle it.</source>
            <translation>Попередню зміну (запис про неї — %1) ще не завершено й не скасовано, тож зараз Tessary не змінює жодного файлу. Запустіть Tessary знову, щоб довести її до кінця.</translation>
        </message>
        <message>
            <source>Tessary could not write the record of the %1, %2, so it changed nothing: %3.</source>
            <translation>Tessary не вдалося записати відомості про %1, %2, тож нічого не змінено: %3.</translation>
        </message>
        <message>
            <source>Tessary could not make sure the record of the %1, %2, is on the disk, so it changed nothing: %3.</source>
            <translation>Tessary не вдалося переконатися, що відомості про %1, %2, записано на диск, тож нічого не змінено: %3.</translation>
        </message>
        <message>
            <source>Tessary could not undo all of it yet: %1. It tries again at its next start.</source>
            <translation>Tessary поки не вдалося скасувати все: %1. Програма спробує ще раз під час наступного запуску.</translation>
        </message>
        <message>
            <source>%1 cannot be opened: there is no such folder, or Tessary may not read it.</source>
            <translation>Не вдається відкрити %1: такої папки немає або Tessary не має права її читати.</translation>
        </message>
        <message>
            <source>install</source>
            <translation>встановлення</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>відновлення</translation>
        </message>
        <message>
            <source>backup</source>
            <translation>резервне копіювання</translation>
        </message>
        <message>
            <source>import</source>
            <translation>імпортування</translation>
        </message>
        <message>
            <source>Inavaild model name. The name of the model must match those that CS currently uses</source>
            <translation>Неприпустима назва моделі. Назва моделі має збігатися з однією з тих, що зараз використовує CS</translation>
        </message>
        <message>
            <source>No model selected</source>
            <translation>Модель не вибрано</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Не вдалося прочитати %1: %2.</translation>
        </message>
    </context>
    <context>
        <name>model</name>
        <message>
            <source>the game walks more than %1 words of its animation, more than Tessary follows</source>
            <translation>гра проходить понад %1 слів даних її анімації — більше, ніж простежує Tessary</translation>
        </message>
        <message>
            <source>its body parts count %1 models together, more than the game can count</source>
            <translation>її частини тіла разом налічують стільки моделей (%1), що гра не може їх полічити</translation>
        </message>
        <message>
            <source>the game reads more than %1 vertices of its models, more than Tessary measures</source>
            <translation>гра читає понад %1 вершин її моделей — більше, ніж вимірює Tessary</translation>
        </message>
        <message>
            <source>vertex %1 of %2 has a coordinate that is not a number</source>
            <translation>вершина %1 з %2 має координату, яка не є числом</translation>
        </message>
        <message>
            <source>bone %1 has a position value or scale that is not a finite number</source>
            <translation>кістка %1 має значення положення чи масштабу, яке не є скінченним числом</translation>
        </message>
        <message>
            <source>it counts %1 sequences, more than the %2 Tessary measures</source>
            <translation>анімацій у ній %1, а Tessary вимірює щонайбільше %2</translation>
        </message>
        <message>
            <source>%1 has %2 frames, more than the %3 Tessary measures</source>
            <translation>кадрів в анімації %1 — %2, а Tessary вимірює щонайбільше %3</translation>
        </message>
        <message>
            <source>the bones of %1 reach beyond the range of a float</source>
            <translation>кістки в анімації %1 виходять за межі діапазону float</translation>
        </message>
        <message>
            <source>it is not a model file</source>
            <translation>це не файл моделі</translation>
        </message>
        <message>
            <source>the game does not load it (%1)</source>
            <translation>гра не завантажує цей файл (%1)</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>не файл моделі</translation>
        </message>
        <message>
            <source>%1 is not a sequence group file</source>
            <translation>%1 не є файлом анімацій</translation>
        </message>
        <message>
            <source>%1 is not a texture file of a model</source>
            <translation>%1 не є файлом текстур моделі</translation>
        </message>
        <message>
            <source>model version %1 is not supported</source>
            <translation>версія моделі %1 не підтримується</translation>
        </message>
        <message>
            <source>%1 has version %2, which is not supported</source>
            <translation>%1 має версію %2, яка не підтримується</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>немає %1</translation>
        </message>
        <message>
            <source>%1 is a folder, not a model file</source>
            <translation>%1 — це папка, а не файл моделі</translation>
        </message>
        <message>
            <source>%1 is not a regular file</source>
            <translation>%1 — не звичайний файл</translation>
        </message>
        <message>
            <source>%1 is larger than %2 MiB, more than any model file</source>
            <translation>%1 більший за %2 МіБ — більше, ніж будь-який файл моделі</translation>
        </message>
        <message>
            <source>%1 cannot be read</source>
            <translation>не вдається прочитати %1</translation>
        </message>
        <message>
            <source>it is a sequence group file, which holds only animation of a model</source>
            <translation>це файл анімацій, у якому є лише анімації моделі</translation>
        </message>
        <message>
            <source>it is a texture file, which holds only the textures of a model</source>
            <translation>це файл текстур, у якому є лише текстури моделі</translation>
        </message>
        <message>
            <source>it is a model of version %1, of a later engine: the game loads models of version 10 only</source>
            <translation>це модель версії %1 для новішого рушія, а гра завантажує лише моделі версії 10</translation>
        </message>
        <message>
            <source>it is a model of version %1: the game loads models of version 10 only</source>
            <translation>це модель версії %1, а гра завантажує лише моделі версії 10</translation>
        </message>
        <message>
            <source>it ends after %1 bytes, inside the %2-byte header of a model</source>
            <translation>файл обривається після %1 Б, ще всередині %2-байтового заголовка моделі</translation>
        </message>
        <message>
            <source>it has %1 bones, more than the %2 the game can load</source>
            <translation>кісток у ній %1, а гра може завантажити щонайбільше %2</translation>
        </message>
        <message>
            <source>the file</source>
            <translation>файл</translation>
        </message>
        <message>
            <source>texture file %1 is missing</source>
            <translation>немає файлу текстур %1</translation>
        </message>
        <message>
            <source>texture file %1</source>
            <translation>файл текстур %1</translation>
        </message>
        <message>
            <source>sequence group file %1 is missing</source>
            <translation>немає файлу анімацій %1</translation>
        </message>
        <message>
            <source>sequence group file %1</source>
            <translation>файл анімацій %1</translation>
        </message>
        <message>
            <source>%1 is damaged: %2</source>
            <translation>%1 пошкоджено: %2</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies before the start of the file</source>
            <translation>зсув %1, де гра читає %2, лежить перед початком файлу</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies past the end of the file (%3 bytes)</source>
            <translation>зсув %1, де гра читає %2, лежить за кінцем файлу (розмір файлу — %3 Б)</translation>
        </message>
        <message>
            <source>the %1 bytes at offset %2, where the game reads %3, reach past the end of the file (%4 bytes)</source>
            <translation>дані за зсувом %2 (%1 Б), де гра читає %3, виходять за кінець файлу (розмір файлу — %4 Б)</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1 і %2</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>Couldn't allocate console</source>
            <translation>Не вдалося створити консоль</translation>
        </message>
        <message>
            <source>Couldn't allocate STDOUT</source>
            <translation>Не вдалося отримати STDOUT</translation>
        </message>
        <message>
            <source>it is empty</source>
            <translation>вона порожня</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <translation>вона довша за %1 байтів</translation>
        </message>
        <message>
            <source>it holds one of the characters \ / : * ? " &lt; &gt; |</source>
            <translation>вона містить один із символів \ / : * ? " &lt; &gt; |</translation>
        </message>
        <message>
            <source>it holds a control character</source>
            <translation>вона містить керівний символ</translation>
        </message>
        <message>
            <source>it is "." or ".."</source>
            <translation>це «.» або «..»</translation>
        </message>
        <message>
            <source>it ends in a dot or a blank</source>
            <translation>вона закінчується крапкою або пробілом</translation>
        </message>
        <message>
            <source>it is a name Windows keeps for a device</source>
            <translation>таку назву Windows резервує для пристроїв</translation>
        </message>
        <message>
            <source>%1, %2 and %3</source>
            <translation>%1, %2 і %3</translation>
        </message>
        <message>
            <source>(%1, %2, %3)</source>
            <translation>(%1; %2; %3)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>від %1 до %2</translation>
        </message>
        <message>
            <source>%1 units too long</source>
            <translation>на %1 одиниці задовга</translation>
        </message>
        <message>
            <source>%1 units too wide</source>
            <translation>на %1 одиниці заширока</translation>
        </message>
        <message>
            <source>%1 units too tall</source>
            <translation>на %1 одиниці зависока</translation>
        </message>
        <message>
            <source>%1 too long</source>
            <translation>на %1 задовга</translation>
        </message>
        <message>
            <source>%1 too wide</source>
            <translation>на %1 заширока</translation>
        </message>
        <message>
            <source>%1 too tall</source>
            <translation>на %1 зависока</translation>
        </message>
        <message>
            <source>%1 back</source>
            <translation>%1 назад</translation>
        </message>
        <message>
            <source>%1 forward</source>
            <translation>%1 уперед</translation>
        </message>
        <message>
            <source>%1 to the right</source>
            <translation>%1 праворуч</translation>
        </message>
        <message>
            <source>%1 to the left</source>
            <translation>%1 ліворуч</translation>
        </message>
        <message>
            <source>%1 down</source>
            <translation>%1 униз</translation>
        </message>
        <message>
            <source>%1 up</source>
            <translation>%1 угору</translation>
        </message>
        <message>
            <source>%1 for servers, which allow %2</source>
            <translation>%1 для серверів, які дозволяють %2</translation>
        </message>
        <message>
            <source>within the box servers allow for %1, %2</source>
            <translation>в межах габаритів %2, які сервери дозволяють для %1</translation>
        </message>
        <message>
            <source>no server checks %1</source>
            <translation>жоден сервер не перевіряє %1</translation>
        </message>
        <message>
            <source>As %1, servers accept it: it is %2.</source>
            <translation>Під назвою %1 сервери її приймають: вона %2.</translation>
        </message>
        <message>
            <source>As %1, servers refuse it: it is %2. A server that enforces file consistency, as servers do unless told otherwise, drops a player who uses it.</source>
            <translation>Під назвою %1 сервери її відхиляють: вона %2. Сервер, що вимагає узгодженості файлів (а так роблять сервери, якщо їх не налаштовано інакше), відключає гравця, який її використовує.</translation>
        </message>
        <message>
            <source>No server checks a file named %1.</source>
            <translation>Жоден сервер не перевіряє файл із назвою %1.</translation>
        </message>
        <message>
            <source>As %1, whether servers accept it cannot be told: %2.</source>
            <translation>Під назвою %1 неможливо визначити, чи приймуть її сервери: %2.</translation>
        </message>
        <message>
            <source>Servers measure its box as %1.
%2</source>
            <translation>Сервери вимірюють її габарити: %1.
%2</translation>
        </message>
        <message>
            <source>Servers will refuse this model: it is larger than they allow.

%1 of the model "%2" is %3. Servers that enforce file consistency, as they do unless told otherwise, drop a player who uses it while connecting.

Install it all the same?</source>
            <translation>Сервери відхилять цю модель: вона більша, ніж вони дозволяють.

Модель «%2» (файл %1) %3. Сервери, що вимагають узгодженості файлів (а так роблять усі, якщо їх не налаштовано інакше), відключають гравця з нею ще під час підключення.

Усе одно встановити її?</translation>
        </message>
        <message>
            <source>the box servers allow for a player model, as none checks %1</source>
            <translation>габарити, які сервери дозволяють для моделі гравця, бо %1 жоден із них не перевіряє</translation>
        </message>
        <message>
            <source>the box servers allow for %1</source>
            <translation>габарити, які сервери дозволяють для %1</translation>
        </message>
        <message>
            <source>the box servers allow for %1, as none checks %2</source>
            <translation>габарити, які сервери дозволяють для %1, бо %2 жоден із них не перевіряє</translation>
        </message>
        <message>
            <source>another program</source>
            <translation>інша програма</translation>
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
            <translation>%1 зайнятий: його тримає відкритим %2; закрийте її та спробуйте ще раз</translation>
        </message>
    </context>
    <context>
        <name>ui::BackupWindow</name>
        <message>
            <source>Weapon models</source>
            <translation>Моделі зброї</translation>
        </message>
        <message>
            <source>Backing up weapon models...</source>
            <translation>Збереження моделей зброї...</translation>
        </message>
        <message>
            <source>Weapon model backup complete.</source>
            <translation>Моделі зброї збережено.</translation>
        </message>
        <message>
            <source>Player models</source>
            <translation>Моделі гравців</translation>
        </message>
        <message>
            <source>Backing up player models</source>
            <translation>Збереження моделей гравців</translation>
        </message>
        <message>
            <source>Player model backup complete.</source>
            <translation>Моделі гравців збережено.</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>Резервна копія</translation>
        </message>
        <message>
            <source>Type in a name for the backups and click backup</source>
            <translation>Введіть назву копії й натисніть «Зберегти»</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Зберегти</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
    </context>
    <context>
        <name>ui::CheckWindow</name>
        <message>
            <source>accepted</source>
            <translation>приймають</translation>
        </message>
        <message>
            <source>refused</source>
            <translation>відхиляють</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>не перевіряють</translation>
        </message>
        <message>
            <source>cannot tell</source>
            <translation>невідомо</translation>
        </message>
        <message>
            <source>backup set %1</source>
            <translation>резервний набір %1</translation>
        </message>
        <message>
            <source>model %1</source>
            <translation>модель %1</translation>
        </message>
        <message>
            <source>it cannot be read: %1</source>
            <translation>не вдається прочитати: %1</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>не файл моделі</translation>
        </message>
        <message>
            <source>with its model</source>
            <translation>з моделлю</translation>
        </message>
        <message>
            <source>it holds %1</source>
            <translation>містить %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>так</translation>
        </message>
        <message>
            <source>no: %1</source>
            <translation>ні: %1</translation>
        </message>
        <message>
            <source>library</source>
            <translation>бібліотека</translation>
        </message>
        <message>
            <source>game</source>
            <translation>гра</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 моделі %2</translation>
        </message>
        <message>
            <source>the game's %1</source>
            <translation>%1 у грі</translation>
        </message>
        <message>
            <source>Check</source>
            <translation>Перевірка</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>Вигляд</translation>
        </message>
        <message>
            <source>Where</source>
            <translation>Де</translation>
        </message>
        <message>
            <source>Type or weapon</source>
            <translation>Тип або зброя</translation>
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
            <translation>Гра завантажує</translation>
        </message>
        <message>
            <source>Servers</source>
            <translation>Сервери</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Чому</translation>
        </message>
        <message>
            <source>Box measured</source>
            <translation>Габарити</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>%1 is %2</source>
            <translation>%1 — це %2</translation>
        </message>
        <message>
            <source>Servers will refuse none of these files.</source>
            <translation>Сервери не відхилять жодного з цих файлів.</translation>
        </message>
        <message>
            <source>The game loads every one of them.</source>
            <translation>Гра завантажує кожен із них.</translation>
        </message>
        <message>
            <source>None of the game's files is from the library or a backup set.</source>
            <translation>Жоден файл гри не взято з бібліотеки чи резервного набору.</translation>
        </message>
        <message>
            <source>In the game now: %1.</source>
            <translation>Зараз у грі: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%1 and %n more</source>
            <translation>
                <numerusform>%1 та ще %n</numerusform>
                <numerusform>%1 та ще %n</numerusform>
                <numerusform>%1 та ще %n</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Reading %1 of %n files...</source>
            <translation>
                <numerusform>Читання файлу %1 з %n...</numerusform>
                <numerusform>Читання файлу %1 з %n...</numerusform>
                <numerusform>Читання файлу %1 з %n...</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n files checked.</source>
            <translation>
                <numerusform>Перевірено %n файл.</numerusform>
                <numerusform>Перевірено %n файли.</numerusform>
                <numerusform>Перевірено %n файлів.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Servers will refuse %n files: %1.</source>
            <translation>
                <numerusform>Сервери відхилять %n файл: %1.</numerusform>
                <numerusform>Сервери відхилять %n файли: %1.</numerusform>
                <numerusform>Сервери відхилять %n файлів: %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The game cannot load %n files: %1.</source>
            <translation>
                <numerusform>Гра не може завантажити %n файл: %1.</numerusform>
                <numerusform>Гра не може завантажити %n файли: %1.</numerusform>
                <numerusform>Гра не може завантажити %n файлів: %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ui::ImportWindow</name>
        <message>
            <source>The game uses no file of this name: right-click it to import it as one of the game's models.</source>
            <translation>Гра не використовує файлу з такою назвою: клацніть його правою кнопкою, щоб імпортувати як одну з моделей гри.</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Імпорт</translation>
        </message>
        <message>
            <source>Import as</source>
            <translation>Імпорт як</translation>
        </message>
        <message>
            <source> imported</source>
            <translation> імпортовано</translation>
        </message>
    </context>
    <context>
        <name>ui::InstallWindow</name>
        <message>
            <source>&amp;Install</source>
            <translation>&amp;Встановити</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>Select the model you would like to install and click install.</source>
            <translation>Виберіть модель і натисніть «Встановити».</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Перегляд</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerImportWindow</name>
        <message>
            <source>Import Player Model</source>
            <translation>Імпорт моделі гравця</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
            <translation>Знайдіть і виберіть файл, який хочете імпортувати. Потім введіть для нього назву й натисніть «Імпорт».</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerInstallWindow</name>
        <message>
            <source>Install Player Model</source>
            <translation>Встановити модель гравця</translation>
        </message>
        <message>
            <source>Backup %1 installed</source>
            <translation>Резервний набір %1 відновлено</translation>
        </message>
        <message>
            <source>%1 model %2 installed</source>
            <translation>Модель %2 для %1 встановлено</translation>
        </message>
    </context>
    <context>
        <name>ui::RestoreControls</name>
        <message>
            <source>Install Backup</source>
            <translation>Відновити</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Встановити</translation>
        </message>
    </context>
    <context>
        <name>ui::SourceBrowser</name>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Перегляд</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponImportWindow</name>
        <message>
            <source>Import Weapon Model</source>
            <translation>Імпорт моделі зброї</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
            <translation>Знайдіть і виберіть файл, який хочете імпортувати. Потім введіть коментар до нього й натисніть «Імпорт».</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponInstallWindow</name>
        <message>
            <source>Install Weapon Model</source>
            <translation>Встановити модель зброї</translation>
        </message>
        <message>
            <source>Backup install complete</source>
            <translation>Резервний набір відновлено</translation>
        </message>
        <message>
            <source>Install Left Model</source>
            <translation>Ліва модель</translation>
        </message>
        <message>
            <source>Install Right Model</source>
            <translation>Права модель</translation>
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
            <translation>Встановлено</translation>
        </message>
    </context>
    <context>
        <name>viewer::ChoicePanel</name>
        <message>
            <source>Body parts and skins</source>
            <translation>Частини тіла і скіни</translation>
        </message>
        <message>
            <source>Family %1</source>
            <translation>Варіант %1</translation>
        </message>
        <message>
            <source>S&amp;kin</source>
            <translation>Ск&amp;ін</translation>
        </message>
    </context>
    <context>
        <name>viewer::SequencePanel</name>
        <message>
            <source>Se&amp;quences</source>
            <translation>&amp;Анімації</translation>
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
            <translation>&amp;Далі</translation>
        </message>
        <message>
            <source>Reference pose</source>
            <translation>Базова поза</translation>
        </message>
        <message>
            <source>%1 (%2 frames at %3 fps%4)</source>
            <translation>%1 (кадрів: %2, %3 кадр/с%4)</translation>
        </message>
        <message>
            <source>, looping</source>
            <translation>, циклічно</translation>
        </message>
        <message>
            <source>The frame before (comma in the picture)</source>
            <translation>Попередній кадр (кома, коли фокус на зображенні)</translation>
        </message>
        <message>
            <source>Plays or pauses the sequence (Space in the picture)</source>
            <translation>Запускає анімацію або ставить її на паузу (Space, коли фокус на зображенні)</translation>
        </message>
        <message>
            <source>The frame after (full stop in the picture)</source>
            <translation>Наступний кадр (крапка, коли фокус на зображенні)</translation>
        </message>
        <message>
            <source>Fra&amp;me</source>
            <translation>Кад&amp;р</translation>
        </message>
        <message>
            <source>Mixes the sequence's blend sets, as the game does to aim</source>
            <translation>Змішує пози з наборів анімації, як це робить гра, коли гравець цілиться</translation>
        </message>
        <message>
            <source>B&amp;lend</source>
            <translation>&amp;Суміш</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>&amp;Пауза</translation>
        </message>
        <message>
            <source>Frame %1 of %2</source>
            <translation>Кадр %1 з %2</translation>
        </message>
        <message>
            <source>The pose the model was made in</source>
            <translation>Поза, у якій модель створено</translation>
        </message>
        <message>
            <source>%1, from %2 to %3</source>
            <translation>%1, від %2 до %3</translation>
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
            <translation>Ме&amp;жі сервера</translation>
        </message>
        <message>
            <source>Pla&amp;yer size</source>
            <translation>Розмір &amp;гравця</translation>
        </message>
        <message>
            <source>Draws the box servers allow and the box they measure, and in red where the model reaches beyond</source>
            <translation>Малює габарити, які дозволяють сервери, і габарити, які вони вимірюють, а червоним — де модель виходить за дозволені</translation>
        </message>
        <message>
            <source>Draws the hull the game moves a player by and hits him in</source>
            <translation>Малює оболонку, за якою гра переміщує гравця і визначає влучання в нього</translation>
        </message>
        <message>
            <source>Green: %1. What servers measure cannot be told.</source>
            <translation>Зеленим: %1. Що вимірюють сервери, визначити неможливо.</translation>
        </message>
        <message>
            <source>Green: %1; held against it, the model is %2. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Зеленим: %1; порівняно з ними модель %2. Жовтим: габарити, які виміряли б сервери. Червоним: де модель виходить за зелені габарити.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Зеленим: %1. Жовтим: габарити, які виміряли б сервери. Червоним: де модель виходить за зелені габарити.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers measure. Red: where the model reaches beyond the green box.</source>
            <translation>Зеленим: %1. Жовтим: габарити, які вимірюють сервери. Червоним: де модель виходить за зелені габарити.</translation>
        </message>
        <message>
            <source>Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × 32 × 36; both centred on the model's origin, as the game centres them.</source>
            <translation>Блакитним: оболонка гравця стоячи, 32 × 32 × 72 одиниці; фіолетовим: присівши, 32 × 32 × 36; обидві з центром у початку координат моделі, як їх центрує гра.</translation>
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
            <translation>повна яскравість</translation>
        </message>
        <message>
            <source>additive</source>
            <translation>адитивність</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Назва</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Розмір</translation>
        </message>
        <message>
            <source>Flags</source>
            <translation>Ознаки</translation>
        </message>
        <message>
            <source>The texture's 256 colours, row by row from index 0</source>
            <translation>256 кольорів текстури, рядок за рядком, від індексу 0</translation>
        </message>
        <message>
            <source>&amp;Fit to the view</source>
            <translation>&amp;Вписати у вікно</translation>
        </message>
        <message>
            <source>Shows the texture as large as fits, else at one pixel a texel</source>
            <translation>Показує текстуру якнайбільшою, наскільки вміщується, а інакше — по пікселю на тексель</translation>
        </message>
        <message>
            <source>Save t&amp;exture...</source>
            <translation>Зберегти &amp;текстуру...</translation>
        </message>
        <message>
            <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
            <translation>Зберігає текстуру як 8-бітний BMP з її палітрою або як PNG</translation>
        </message>
        <message>
            <source>Palette</source>
            <translation>Палітра</translation>
        </message>
        <message>
            <source>%1 was saved as %2.</source>
            <translation>%1 збережено як %2.</translation>
        </message>
        <message>
            <source>%1 could not be saved as %2: %3.</source>
            <translation>Не вдалося зберегти %1 як %2: %3.</translation>
        </message>
        <message>
            <source>8-bit BMP with its palette (*.bmp)</source>
            <translation>8-бітний BMP з палітрою (*.bmp)</translation>
        </message>
        <message>
            <source>PNG (*.png)</source>
            <translation>PNG (*.png)</translation>
        </message>
        <message>
            <source>Save texture</source>
            <translation>Зберегти текстуру</translation>
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
            <translation>&amp;Текстури</translation>
        </message>
        <message>
            <source>&amp;Wireframe</source>
            <translation>&amp;Каркас</translation>
        </message>
        <message>
            <source>&amp;Bones</source>
            <translation>Ск&amp;елет</translation>
        </message>
        <message>
            <source>&amp;Ground</source>
            <translation>Зем&amp;ля</translation>
        </message>
        <message>
            <source>F&amp;irst person</source>
            <translation>Пер&amp;ша особа</translation>
        </message>
        <message>
            <source>Sees the model from its origin along its front, as the game shows a weapon in the player's hands</source>
            <translation>Показує модель з її початку координат, дивлячись уперед, як гра показує зброю в руках гравця</translation>
        </message>
        <message>
            <source>Ba&amp;ckground...</source>
            <translation>Ф&amp;он...</translation>
        </message>
        <message>
            <source>&amp;Reset view</source>
            <translation>Скинути &amp;вид</translation>
        </message>
        <message>
            <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
            <translation>Знову вміщує всю модель у кадр або повертає погляд до ока (Home, коли фокус на зображенні)</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>&amp;Зберегти знімок...</translation>
        </message>
        <message>
            <source>Saves the picture as PNG (Ctrl+S)</source>
            <translation>Зберігає знімок у форматі PNG (Ctrl+S)</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewerWindow</name>
        <message>
            <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
            <translation>Тягніть лівою кнопкою миші, щоб повертати модель, правою — щоб зсувати її; коліщатко наближає її. Клавіатурою, коли фокус на зображенні: стрілки повертають модель, Shift зі стрілками зсуває її, + і - наближають і віддаляють її, Home повертає початковий вид. Від першої особи погляд лишається в точці ока. Space запускає або ставить на паузу анімацію, кома і крапка гортають кадри. Ctrl+S зберігає знімок, Escape закриває вікно.</translation>
        </message>
        <message>
            <source>Tessary model viewer</source>
            <translation>Переглядач моделей Tessary</translation>
        </message>
        <message>
            <source>Mo&amp;del</source>
            <translation>&amp;Модель</translation>
        </message>
        <message>
            <source>Open a model with File → Open, or drop a .mdl file here.</source>
            <translation>Відкрийте модель через Файл → Відкрити або перетягніть сюди файл .mdl.</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Файл</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Відкрити...</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>&amp;Зберегти знімок...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Ви&amp;хід</translation>
        </message>
        <message>
            <source>Open model</source>
            <translation>Відкрити модель</translation>
        </message>
        <message>
            <source>Model files (*.mdl);;All files (*)</source>
            <translation>Файли моделей (*.mdl);;Усі файли (*)</translation>
        </message>
        <message>
            <source>%1 — %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>The file could not be read.</source>
            <translation>Не вдалося прочитати файл.</translation>
        </message>
        <message>
            <source>%1 cannot be shown.</source>
            <translation>Неможливо показати %1.</translation>
        </message>
        <message>
            <source>Text&amp;ures</source>
            <translation>Текст&amp;ури</translation>
        </message>
        <message>
            <source>%1 holds textures only.</source>
            <translation>%1 містить лише текстури.</translation>
        </message>
        <message>
            <source>%1 holds the textures of the model %2.</source>
            <translation>%1 містить текстури моделі %2.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
            <translation>%1 містить лише кадри анімацій іншої моделі, показувати в ньому нічого.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
            <translation>%1 містить лише кадри анімацій моделі %2, показувати в ньому нічого; їх відтворює %2.</translation>
        </message>
        <message>
            <source>&amp;Open %1</source>
            <translation>&amp;Відкрити %1</translation>
        </message>
        <message>
            <source>%1 is not in the same folder.</source>
            <translation>%1 немає в тій самій папці.</translation>
        </message>
        <message>
            <source>About the model</source>
            <translation>Про модель</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Колір фону</translation>
        </message>
        <message>
            <source>The picture was saved as %1.</source>
            <translation>Знімок збережено як %1.</translation>
        </message>
        <message>
            <source>The picture could not be saved as %1.</source>
            <translation>Не вдалося зберегти знімок як %1.</translation>
        </message>
        <message>
            <source>Save picture</source>
            <translation>Зберегти знімок</translation>
        </message>
        <message>
            <source>PNG pictures (*.png)</source>
            <translation>Зображення PNG (*.png)</translation>
        </message>
    </context>
</TS>
