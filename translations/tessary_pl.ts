<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
    <context>
        <name>ModelTip</name>
        <message>
            <source>It cannot be read: %1.</source>
            <translation>Nie można go odczytać: %1.</translation>
        </message>
        <message>
            <source>It is not a model file.</source>
            <translation>To nie jest plik modelu.</translation>
        </message>
        <message>
            <source>The game cannot load it: %1.</source>
            <translation>Gra nie może go wczytać: %1.</translation>
        </message>
        <message>
            <source>Servers accept it.</source>
            <translation>Serwery go przyjmują.</translation>
        </message>
        <message>
            <source>Servers refuse it: it is %1.</source>
            <translation>Serwery go odrzucają: jest %1.</translation>
        </message>
        <message>
            <source>No server checks it.</source>
            <translation>Żaden serwer go nie sprawdza.</translation>
        </message>
        <message>
            <source>Whether servers accept it cannot be told: %1.</source>
            <translation>Nie wiadomo, czy serwery go przyjmą: %1.</translation>
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
            <translation>Program ma pomóc tym, którzy lubią używać niestandardowych modeli i potrzebują sposobu, by je uporządkować.</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Info &amp;systemu...</translation>
        </message>
        <message>
            <source>Version %1.%2.%3</source>
            <translation>Wersja %1.%2.%3</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>O programie %1</translation>
        </message>
    </context>
    <context>
        <name>app::MainWindow</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Plik</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Za&amp;kończ</translation>
        </message>
        <message>
            <source>&amp;Model</source>
            <translation>&amp;Model</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Kopia</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Importuj</translation>
        </message>
        <message>
            <source>&amp;Player</source>
            <translation>&amp;Gracz</translation>
        </message>
        <message>
            <source>&amp;Weapon</source>
            <translation>&amp;Broń</translation>
        </message>
        <message>
            <source>I&amp;nstall</source>
            <translation>I&amp;nstaluj</translation>
        </message>
        <message>
            <source>Player Model</source>
            <translation>Model gracza</translation>
        </message>
        <message>
            <source>Weapon Model</source>
            <translation>Model broni</translation>
        </message>
        <message>
            <source>&amp;Check</source>
            <translation>&amp;Sprawdź</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>Pomo&amp;c</translation>
        </message>
        <message>
            <source>&amp;Readme</source>
            <translation>&amp;Opis</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>O &amp;programie</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Język</translation>
        </message>
        <message>
            <source>System language</source>
            <translation>Język systemu</translation>
        </message>
        <message>
            <source>Tessary speaks the language chosen at once.</source>
            <translation>Tessary od razu przechodzi na wybrany język.</translation>
        </message>
    </context>
    <context>
        <name>app::ReadmeWindow</name>
        <message>
            <source>Readme</source>
            <translation>Opis</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Zamknij</translation>
        </message>
    </context>
    <context>
        <name>archive</name>
        <message>
            <source>Two of the chosen files would both be %1.</source>
            <translation>Dwa z wybranych plików trafiłyby w to samo miejsce: %1.</translation>
        </message>
        <message>
            <source>%1 exists already.</source>
            <translation>%1 już istnieje.</translation>
        </message>
        <message>
            <source>%1 in %2 could not be extracted to %3: %4.</source>
            <translation>Nie udało się wypakować %1 z %2 do %3: %4.</translation>
        </message>
        <message>
            <source>its path is longer than %1 bytes</source>
            <translation>jego ścieżka jest dłuższa niż %1 B</translation>
        </message>
        <message>
            <source>its path is more than %1 levels deep</source>
            <translation>jego ścieżka jest zagnieżdżona na ponad %1 poziomach</translation>
        </message>
        <message>
            <source>its path holds the name "%1", which Windows does not allow: %2</source>
            <translation>jego ścieżka zawiera nazwę „%1”, której Windows nie dopuszcza: %2</translation>
        </message>
        <message>
            <source>it is larger than %1 MB</source>
            <translation>jest większy niż %1 MB</translation>
        </message>
        <message>
            <source>%1 holds more than %2 entries, more than Tessary reads.</source>
            <translation>Archiwum %1 zawiera ponad %2 pozycji – więcej, niż odczytuje Tessary.</translation>
        </message>
        <message>
            <source>Tessary cannot read the files of %1 that a password protects.</source>
            <translation>Tessary nie może odczytać plików archiwum %1 chronionych hasłem.</translation>
        </message>
        <message>
            <source>%1 in %2 is larger than %3 MB.</source>
            <translation>Plik %1 w archiwum %2 jest większy niż %3 MB.</translation>
        </message>
        <message>
            <source>%1 has changed since Tessary listed it: %2 is no longer in it.</source>
            <translation>Archiwum %1 zmieniło się od czasu wczytania listy jego plików: nie ma już w nim %2.</translation>
        </message>
        <message>
            <source>%1 could not be opened: %2.</source>
            <translation>Nie udało się otworzyć %1: %2.</translation>
        </message>
        <message>
            <source>an earlier entry has the same name</source>
            <translation>wcześniejsza pozycja archiwum ma tę samą nazwę</translation>
        </message>
        <message>
            <source>%1 could not be read: there is too little memory.</source>
            <translation>Nie udało się odczytać %1: za mało pamięci.</translation>
        </message>
        <message>
            <source>%1 is not a .zip, .rar or .7z archive that Tessary can read.</source>
            <translation>%1 nie jest archiwum .zip, .rar ani .7z, które Tessary potrafi odczytać.</translation>
        </message>
        <message>
            <source>%1 is protected by a password, which Tessary cannot open.</source>
            <translation>Archiwum %1 jest chronione hasłem, a takich archiwów Tessary nie otwiera.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Nie udało się odczytać %1: %2.</translation>
        </message>
        <message>
            <source>%1 could not be read: it is damaged.</source>
            <translation>Nie udało się odczytać %1: archiwum jest uszkodzone.</translation>
        </message>
        <message>
            <source>its name cannot be read</source>
            <translation>jego nazwy nie da się odczytać</translation>
        </message>
        <message>
            <source>its path is absolute</source>
            <translation>jego ścieżka jest bezwzględna</translation>
        </message>
        <message>
            <source>its path leads outside the folder it would be extracted to</source>
            <translation>jego ścieżka wychodzi poza folder, do którego zostałby wypakowany</translation>
        </message>
        <message>
            <source>it is a link</source>
            <translation>jest dowiązaniem</translation>
        </message>
        <message>
            <source>it is not an ordinary file</source>
            <translation>nie jest zwykłym plikiem</translation>
        </message>
        <message>
            <source>it has no name</source>
            <translation>nie ma nazwy</translation>
        </message>
        <message>
            <source>it is protected by a password</source>
            <translation>jest chroniony hasłem</translation>
        </message>
        <message>
            <source>The files to take out of %1 are larger than %2 MB together, more than Tessary takes out at once.</source>
            <translation>Pliki do wypakowania z %1 mają łącznie ponad %2 MB – więcej, niż Tessary wypakowuje naraz.</translation>
        </message>
        <message>
            <source>Tessary leaves out these files of %1:</source>
            <translation>Tessary pomija następujące pliki archiwum %1:</translation>
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
Oraz pozostałe pliki (%2).</translation>
        </message>
    </context>
    <context>
        <name>core</name>
        <message>
            <source>Please type in a name for the backup.</source>
            <translation>Należy wpisać nazwę kopii.</translation>
        </message>
        <message>
            <source>That name already exists.</source>
            <translation>Ta nazwa już istnieje.</translation>
        </message>
        <message>
            <source>%1 is a file where the backup needs a folder, so no backup was made.</source>
            <translation>%1 jest plikiem, a kopia potrzebuje w tym miejscu folderu, więc kopii nie utworzono.</translation>
        </message>
        <message>
            <source>The game's model folder %1 does not exist, so no backup was made.</source>
            <translation>Folder modeli gry %1 nie istnieje, więc kopii nie utworzono.</translation>
        </message>
        <message>
            <source>The game file %1 is missing, so no backup was made.</source>
            <translation>Brak pliku gry %1, więc kopii nie utworzono.</translation>
        </message>
        <message>
            <source>The game file %1 cannot be read (%2), so no backup was made.</source>
            <translation>Nie można odczytać pliku gry %1 (%2), więc kopii nie utworzono.</translation>
        </message>
        <message>
            <source>The name "%1" could not be added to %2</source>
            <translation>Nie udało się dopisać nazwy „%1” do %2</translation>
        </message>
        <message>
            <source>Please select a backup set before clicking install.</source>
            <translation>Przed kliknięciem Instaluj należy wybrać kopię.</translation>
        </message>
        <message>
            <source>The backup set "%1" has lost its file %2, so nothing was restored.</source>
            <translation>Z kopii „%1” zniknął plik %2, więc niczego nie przywrócono.</translation>
        </message>
        <message>
            <source>Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.</source>
            <translation>Nie udało się upewnić, że wynik %1 jest zapisany na dysku (%2), więc został on cofnięty.</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <translation>%1; %2</translation>
        </message>
        <message>
            <source>%1 could not be put back (%2)</source>
            <translation>nie udało się przywrócić pliku %1 (%2)</translation>
        </message>
        <message>
            <source>%1 could not be removed (%2)</source>
            <translation>nie udało się usunąć pliku %1 (%2)</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it, so it changed nothing. The record is kept as %2; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Znaleziono dziennik niedokończonej zmiany, %1, ale nie da się go odczytać, więc niczego nie zmieniono. Dziennik zachowano jako %2; pliki odłożone na bok przez tę zmianę mają nazwy .&lt;nazwa&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it (%2), so it changed nothing. The record is kept as %3; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Znaleziono dziennik niedokończonej zmiany, %1, ale nie da się go odczytać (%2), więc niczego nie zmieniono. Dziennik zachowano jako %3; pliki odłożone na bok przez tę zmianę mają nazwy .&lt;nazwa&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary was stopped as it finished the last %1; the %1 is complete.</source>
            <translation>Działanie Tessary zostało przerwane na samym końcu %1; proces %1 został ukończony.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, and cannot undo it yet: %2. It tries again at its next start, and changes no files until then.</source>
            <translation>Działanie Tessary zostało przerwane przed końcem %1, a zmian nie da się jeszcze cofnąć: %2. Tessary spróbuje ponownie przy następnym uruchomieniu i do tego czasu nie zmieni żadnych plików.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, so it has undone it: every file it had changed is as it was before.</source>
            <translation>Działanie Tessary zostało przerwane przed końcem %1, więc zmiany zostały cofnięte: każdy zmieniony plik jest taki jak wcześniej.</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>Please select a file before clicking import</source>
            <translation>Przed kliknięciem Importuj należy wybrać plik</translation>
        </message>
        <message>
            <source>Please enter a name for the model</source>
            <translation>Należy wpisać nazwę modelu</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: %3, so nothing was imported.</source>
            <translation>Nie można zaimportować %1 jako %2: %3, więc niczego nie zaimportowano.</translation>
        </message>
        <message>
            <source>Please select a model before clicking install.</source>
            <translation>Przed kliknięciem Instaluj należy wybrać model.</translation>
        </message>
        <message>
            <source>%1 of the model "%2" was not installed: the game cannot load it (%3). Nothing was installed.</source>
            <translation>Plik %1 modelu „%2” nie został zainstalowany: gra nie może go wczytać (%3). Niczego nie zainstalowano.</translation>
        </message>
        <message>
            <source>the textures of %1</source>
            <translation>tekstury modelu %1</translation>
        </message>
        <message>
            <source>the animations of sequence group %1 of %2</source>
            <translation>animacje grupy sekwencji %1 modelu %2</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: the game loads the animations of its sequence group %3 from %4, the path stored in the model, and under the new name it would have to be %5, so nothing was imported.</source>
            <translation>Nie można zaimportować %1 jako %2: gra wczytuje animacje jego grupy sekwencji %3 z %4, ścieżki zapisanej w modelu, a pod nową nazwą musiałaby to być ścieżka %5, więc niczego nie zaimportowano.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was imported.</source>
            <translation>W folderze %2 brakuje pliku %1: gra wczytuje z niego %3 i bez niego przerywa działanie, więc niczego nie zaimportowano.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was installed.</source>
            <translation>W folderze %2 brakuje pliku %1: gra wczytuje z niego %3 i bez niego przerywa działanie, więc niczego nie zainstalowano.</translation>
        </message>
        <message>
            <source>it needs %1 beside it, which is missing</source>
            <translation>wymaga obok siebie pliku %1, którego brakuje</translation>
        </message>
        <message>
            <source>it is no model (every model file starts with IDST), and the game stops on it</source>
            <translation>nie jest to model (każdy plik modelu zaczyna się od IDST), a gra przerywa na nim działanie</translation>
        </message>
        <message>
            <source>RegKey not found!!</source>
            <translation>Nie znaleziono klucza rejestru!</translation>
        </message>
        <message>
            <source>The game's registry entry names no game folder, so Tessary cannot tell where the game is installed.</source>
            <translation>Wpis gry w rejestrze nie wskazuje folderu gry, więc Tessary nie może ustalić, gdzie gra jest zainstalowana.</translation>
        </message>
        <message>
            <source>The folder %1 could not be created: %2.</source>
            <translation>Nie udało się utworzyć folderu %1: %2.</translation>
        </message>
        <message>
            <source>That name cannot be a folder name: %1.</source>
            <translation>Ta nazwa nie może być nazwą folderu: %1.</translation>
        </message>
        <message>
            <source>%1 The model library was not created; mend the file and start Tessary again.</source>
            <translation>%1 Biblioteka modeli nie została utworzona; należy poprawić plik i ponownie uruchomić Tessary.</translation>
        </message>
        <message>
            <source>%1, left by an earlier start, could not be removed: %2.</source>
            <translation>Nie udało się usunąć %1, pozostałości po wcześniejszym uruchomieniu: %2.</translation>
        </message>
        <message>
            <source>The model library could not be put in place as %1: %2.</source>
            <translation>Nie udało się umieścić biblioteki modeli na miejscu jako %1: %2.</translation>
        </message>
        <message>
            <source>Tessary keeps its model library in the folder it is started from, %1, but it cannot write there (%2). Move the Tessary folder to a place of your own, such as your Documents folder, and start it from there.</source>
            <translation>Tessary przechowuje bibliotekę modeli w folderze, z którego uruchomiono program, %1, ale nie może w nim zapisywać (%2). Należy przenieść folder Tessary w miejsce należące do użytkownika, na przykład do folderu Dokumenty, i uruchomić program stamtąd.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", cannot be a folder name: %4.</source>
            <translation>Nazwa „%3” z wiersza %1 pliku %2 nie może być nazwą folderu: %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", repeats line %4.</source>
            <translation>Wiersz %1 pliku %2, „%3”, powtarza wiersz %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", names a folder that Tessary makes itself.</source>
            <translation>Wiersz %1 pliku %2, „%3”, podaje nazwę folderu, który Tessary tworzy samodzielnie.</translation>
        </message>
        <message>
            <source>%1 could not be read from the program folder: %2.</source>
            <translation>Nie udało się odczytać pliku %1 z folderu programu: %2.</translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>Plik %1 w folderze programu kończy wiersze samym znakiem LF, a Tessary uznaje za koniec wiersza CR LF (lub samo CR), więc znajduje w nim %n wiersz zamiast wymaganych %2.</numerusform>
                <numerusform>Plik %1 w folderze programu kończy wiersze samym znakiem LF, a Tessary uznaje za koniec wiersza CR LF (lub samo CR), więc znajduje w nim %n wiersze zamiast wymaganych %2.</numerusform>
                <numerusform>Plik %1 w folderze programu kończy wiersze samym znakiem LF, a Tessary uznaje za koniec wiersza CR LF (lub samo CR), więc znajduje w nim %n wierszy zamiast wymaganych %2.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>Plik %1 w folderze programu ma %n wiersz, a Tessary potrzebuje ich %2.</numerusform>
                <numerusform>Plik %1 w folderze programu ma %n wiersze, a Tessary potrzebuje ich %2.</numerusform>
                <numerusform>Plik %1 w folderze programu ma %n wierszy, a Tessary potrzebuje ich %2.</numerusform>
            </translation>
        </message>
        <message>
            <source>readme.txt could not be read from the program folder: %1.</source>
            <translation>Nie udało się odczytać pliku readme.txt z folderu programu: %1.</translation>
        </message>
        <message>
            <source>The model viewer %1 is missing, so Tessary cannot show the model. Unpack Tessary again to get it back.</source>
            <translation>Brak przeglądarki modeli %1, więc Tessary nie może pokazać modelu. Aby ją odzyskać, należy ponownie rozpakować Tessary.</translation>
        </message>
        <message>
            <source>The model viewer %1 could not be started.</source>
            <translation>Nie udało się uruchomić przeglądarki modeli %1.</translation>
        </message>
        <message>
            <source>No file selected.</source>
            <translation>Nie wybrano pliku.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Informacje o systemie są obecnie niedostępne</translation>
        </message>
        <message>
            <source>The folder %1, into which Tessary takes files out of archives, could not be cleared: %2.</source>
            <translation>Nie udało się opróżnić folderu %1, do którego Tessary wypakowuje pliki z archiwów: %2.</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1 or %2</source>
            <translation>%1 lub %2</translation>
        </message>
        <message>
            <source>%1 no longer holds %2: the archive has changed since Tessary listed it.</source>
            <translation>W %1 nie ma już pliku %2: archiwum zmieniło się od czasu wczytania listy jego plików.</translation>
        </message>
        <message>
            <source>%1 holds no folder %2 any more.</source>
            <translation>W %1 nie ma już folderu %2.</translation>
        </message>
        <message>
            <source>The game is running (%1): it uses the new files only after it is restarted, and servers refuse changed files until then. Restart the game before you join a server.</source>
            <translation>Gra jest uruchomiona (%1): nowych plików użyje dopiero po ponownym uruchomieniu, a do tego czasu serwery odrzucają zmienione pliki. Przed wejściem na serwer należy uruchomić grę ponownie.</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>brak pliku %1</translation>
        </message>
        <message>
            <source>%1 cannot be read: %2</source>
            <translation>nie można odczytać pliku %1: %2</translation>
        </message>
        <message>
            <source>a folder stands in its place</source>
            <translation>w jego miejscu jest folder</translation>
        </message>
        <message>
            <source>%1, a file Tessary kept aside in an earlier change, is in the way; move it elsewhere first</source>
            <translation>przeszkadza plik %1, odłożony na bok przez Tessary podczas wcześniejszej zmiany; najpierw należy go przenieść w inne miejsce</translation>
        </message>
        <message>
            <source>a file of that name is there already</source>
            <translation>plik o tej nazwie już tam jest</translation>
        </message>
        <message>
            <source>%1 The game files replaced before it were put back.</source>
            <translation>%1 Pliki gry zastąpione przed nim zostały przywrócone.</translation>
        </message>
        <message>
            <source>%1 No game file was changed.</source>
            <translation>%1 Nie zmieniono żadnego pliku gry.</translation>
        </message>
        <message>
            <source>%1 could not be copied to %2: %3.</source>
            <translation>Nie udało się skopiować %1 do %2: %3.</translation>
        </message>
        <message>
            <source>The game file %1 was not replaced: %2.</source>
            <translation>Plik gry %1 nie został zastąpiony: %2.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>Tessary has not yet finished or undone an earlier change, whose record is %1, so it changes no files now. Start Tessary again to settle it.</source>
            <translation>Wcześniejsza zmiana, której dziennik to %1, nie została jeszcze dokończona ani cofnięta, więc Tessary nie zmienia teraz żadnych plików. Aby ją rozstrzygnąć, należy ponownie uruchomić Tessary.</translation>
        </message>
        <message>
            <source>Tessary could not write the record of the %1, %2, so it changed nothing: %3.</source>
            <translation>Nie udało się zapisać dziennika %1, %2, więc niczego nie zmieniono: %3.</translation>
        </message>
        <message>
            <source>Tessary could not make sure the record of the %1, %2, is on the disk, so it changed nothing: %3.</source>
            <translation>Nie udało się upewnić, że dziennik %1, %2, jest zapisany na dysku, więc niczego nie zmieniono: %3.</translation>
        </message>
        <message>
            <source>Tessary could not undo all of it yet: %1. It tries again at its next start.</source>
            <translation>Nie udało się jeszcze cofnąć wszystkich zmian: %1. Tessary spróbuje ponownie przy następnym uruchomieniu.</translation>
        </message>
        <message>
            <source>%1 cannot be opened: there is no such folder, or Tessary may not read it.</source>
            <translation>Nie można otworzyć %1: taki folder nie istnieje albo Tessary nie ma uprawnień do jego odczytu.</translation>
        </message>
        <message>
            <source>install</source>
            <translation>instalacji</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>przywracania kopii</translation>
        </message>
        <message>
            <source>backup</source>
            <translation>tworzenia kopii</translation>
        </message>
        <message>
            <source>import</source>
            <translation>importu</translation>
        </message>
        <message>
            <source>Inavaild model name. The name of the model must match those that CS currently uses</source>
            <translation>Nieprawidłowa nazwa modelu. Nazwa modelu musi odpowiadać nazwom, których obecnie używa CS</translation>
        </message>
        <message>
            <source>No model selected</source>
            <translation>Nie wybrano modelu</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Nie udało się odczytać %1: %2.</translation>
        </message>
    </context>
    <context>
        <name>model</name>
        <message>
            <source>the game walks more than %1 words of its animation, more than Tessary follows</source>
            <translation>gra przechodzi przez ponad %1 słów jego animacji – więcej, niż śledzi Tessary</translation>
        </message>
        <message>
            <source>its body parts count %1 models together, more than the game can count</source>
            <translation>łączna liczba modeli w jego częściach ciała (%1) przekracza to, co gra potrafi policzyć</translation>
        </message>
        <message>
            <source>the game reads more than %1 vertices of its models, more than Tessary measures</source>
            <translation>gra odczytuje ponad %1 wierzchołków jego modeli – więcej, niż mierzy Tessary</translation>
        </message>
        <message>
            <source>vertex %1 of %2 has a coordinate that is not a number</source>
            <translation>wierzchołek %1 w %2 ma współrzędną, która nie jest liczbą</translation>
        </message>
        <message>
            <source>bone %1 has a position value or scale that is not a finite number</source>
            <translation>kość %1 ma wartość położenia lub skalę, która nie jest liczbą skończoną</translation>
        </message>
        <message>
            <source>it counts %1 sequences, more than the %2 Tessary measures</source>
            <translation>ma więcej sekwencji (%1), niż mierzy Tessary (%2)</translation>
        </message>
        <message>
            <source>%1 has %2 frames, more than the %3 Tessary measures</source>
            <translation>%1 ma więcej klatek (%2), niż mierzy Tessary (%3)</translation>
        </message>
        <message>
            <source>the bones of %1 reach beyond the range of a float</source>
            <translation>kości w %1 wychodzą poza zakres liczby typu float</translation>
        </message>
        <message>
            <source>it is not a model file</source>
            <translation>to nie jest plik modelu</translation>
        </message>
        <message>
            <source>the game does not load it (%1)</source>
            <translation>gra go nie wczytuje (%1)</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>to nie plik modelu</translation>
        </message>
        <message>
            <source>%1 is not a sequence group file</source>
            <translation>%1 nie jest plikiem grupy sekwencji</translation>
        </message>
        <message>
            <source>%1 is not a texture file of a model</source>
            <translation>%1 nie jest plikiem tekstur modelu</translation>
        </message>
        <message>
            <source>model version %1 is not supported</source>
            <translation>model w wersji %1 nie jest obsługiwany</translation>
        </message>
        <message>
            <source>%1 has version %2, which is not supported</source>
            <translation>%1 ma nieobsługiwaną wersję %2</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>brak pliku %1</translation>
        </message>
        <message>
            <source>%1 is a folder, not a model file</source>
            <translation>%1 to folder, a nie plik modelu</translation>
        </message>
        <message>
            <source>%1 is not a regular file</source>
            <translation>%1 nie jest zwykłym plikiem</translation>
        </message>
        <message>
            <source>%1 is larger than %2 MiB, more than any model file</source>
            <translation>%1 ma ponad %2 MiB – więcej niż jakikolwiek plik modelu</translation>
        </message>
        <message>
            <source>%1 cannot be read</source>
            <translation>nie można odczytać pliku %1</translation>
        </message>
        <message>
            <source>it is a sequence group file, which holds only animation of a model</source>
            <translation>jest to plik grupy sekwencji, który zawiera tylko animację modelu</translation>
        </message>
        <message>
            <source>it is a texture file, which holds only the textures of a model</source>
            <translation>jest to plik tekstur, który zawiera tylko tekstury modelu</translation>
        </message>
        <message>
            <source>it is a model of version %1, of a later engine: the game loads models of version 10 only</source>
            <translation>jest to model w wersji %1, z nowszego silnika: gra wczytuje tylko modele w wersji 10</translation>
        </message>
        <message>
            <source>it is a model of version %1: the game loads models of version 10 only</source>
            <translation>jest to model w wersji %1: gra wczytuje tylko modele w wersji 10</translation>
        </message>
        <message>
            <source>it ends after %1 bytes, inside the %2-byte header of a model</source>
            <translation>kończy się po %1 B, w środku %2-bajtowego nagłówka modelu</translation>
        </message>
        <message>
            <source>it has %1 bones, more than the %2 the game can load</source>
            <translation>ma %1 kości – więcej, niż gra potrafi wczytać (%2)</translation>
        </message>
        <message>
            <source>the file</source>
            <translation>plik</translation>
        </message>
        <message>
            <source>texture file %1 is missing</source>
            <translation>brak pliku tekstur %1</translation>
        </message>
        <message>
            <source>texture file %1</source>
            <translation>plik tekstur %1</translation>
        </message>
        <message>
            <source>sequence group file %1 is missing</source>
            <translation>brak pliku grupy sekwencji %1</translation>
        </message>
        <message>
            <source>sequence group file %1</source>
            <translation>plik grupy sekwencji %1</translation>
        </message>
        <message>
            <source>%1 is damaged: %2</source>
            <translation>%1 jest uszkodzony: %2</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies before the start of the file</source>
            <translation>offset %1, pod którym gra odczytuje %2, wypada przed początkiem pliku</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies past the end of the file (%3 bytes)</source>
            <translation>offset %1, pod którym gra odczytuje %2, wypada za końcem pliku (%3 B)</translation>
        </message>
        <message>
            <source>the %1 bytes at offset %2, where the game reads %3, reach past the end of the file (%4 bytes)</source>
            <translation>dane pod offsetem %2 (%1 B), z których gra odczytuje %3, sięgają za koniec pliku (%4 B)</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1 i %2</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>Couldn't allocate console</source>
            <translation>Nie udało się utworzyć konsoli</translation>
        </message>
        <message>
            <source>Couldn't allocate STDOUT</source>
            <translation>Nie udało się przydzielić STDOUT</translation>
        </message>
        <message>
            <source>it is empty</source>
            <translation>jest pusta</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <translation>jest dłuższa niż %1 bajtów</translation>
        </message>
        <message>
            <source>it holds one of the characters \ / : * ? " &lt; &gt; |</source>
            <translation>zawiera jeden ze znaków \ / : * ? " &lt; &gt; |</translation>
        </message>
        <message>
            <source>it holds a control character</source>
            <translation>zawiera znak sterujący</translation>
        </message>
        <message>
            <source>it is "." or ".."</source>
            <translation>jest to „.” lub „..”</translation>
        </message>
        <message>
            <source>it ends in a dot or a blank</source>
            <translation>kończy się kropką lub spacją</translation>
        </message>
        <message>
            <source>it is a name Windows keeps for a device</source>
            <translation>jest to nazwa, którą Windows zastrzega dla urządzenia</translation>
        </message>
        <message>
            <source>%1, %2 and %3</source>
            <translation>%1, %2 i %3</translation>
        </message>
        <message>
            <source>(%1, %2, %3)</source>
            <translation>(%1; %2; %3)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>od %1 do %2</translation>
        </message>
        <message>
            <source>%1 units too long</source>
            <translation>o %1 jednostki za długi</translation>
        </message>
        <message>
            <source>%1 units too wide</source>
            <translation>o %1 jednostki za szeroki</translation>
        </message>
        <message>
            <source>%1 units too tall</source>
            <translation>o %1 jednostki za wysoki</translation>
        </message>
        <message>
            <source>%1 too long</source>
            <translation>o %1 za długi</translation>
        </message>
        <message>
            <source>%1 too wide</source>
            <translation>o %1 za szeroki</translation>
        </message>
        <message>
            <source>%1 too tall</source>
            <translation>o %1 za wysoki</translation>
        </message>
        <message>
            <source>%1 back</source>
            <translation>%1 do tyłu</translation>
        </message>
        <message>
            <source>%1 forward</source>
            <translation>%1 do przodu</translation>
        </message>
        <message>
            <source>%1 to the right</source>
            <translation>%1 w prawo</translation>
        </message>
        <message>
            <source>%1 to the left</source>
            <translation>%1 w lewo</translation>
        </message>
        <message>
            <source>%1 down</source>
            <translation>%1 w dół</translation>
        </message>
        <message>
            <source>%1 up</source>
            <translation>%1 w górę</translation>
        </message>
        <message>
            <source>%1 for servers, which allow %2</source>
            <translation>%1 dla serwerów, które dopuszczają %2</translation>
        </message>
        <message>
            <source>within the box servers allow for %1, %2</source>
            <translation>w granicach obrysu, który serwery dopuszczają dla %1, %2</translation>
        </message>
        <message>
            <source>no server checks %1</source>
            <translation>żaden serwer nie sprawdza %1</translation>
        </message>
        <message>
            <source>As %1, servers accept it: it is %2.</source>
            <translation>Serwery przyjmują go jako %1: jest %2.</translation>
        </message>
        <message>
            <source>As %1, servers refuse it: it is %2. A server that enforces file consistency, as servers do unless told otherwise, drops a player who uses it.</source>
            <translation>Serwery odrzucają go jako %1: jest %2. Serwer, który wymusza spójność plików (a serwery robią to domyślnie), rozłącza gracza, który go używa.</translation>
        </message>
        <message>
            <source>No server checks a file named %1.</source>
            <translation>Żaden serwer nie sprawdza pliku o nazwie %1.</translation>
        </message>
        <message>
            <source>As %1, whether servers accept it cannot be told: %2.</source>
            <translation>Nie wiadomo, czy serwery przyjmą go jako %1: %2.</translation>
        </message>
        <message>
            <source>Servers measure its box as %1.
%2</source>
            <translation>Serwery mierzą jego obrys: %1.
%2</translation>
        </message>
        <message>
            <source>Servers will refuse this model: it is larger than they allow.

%1 of the model "%2" is %3. Servers that enforce file consistency, as they do unless told otherwise, drop a player who uses it while connecting.

Install it all the same?</source>
            <translation>Serwery odrzucą ten model: jest większy, niż dopuszczają.

Plik %1 modelu „%2” jest %3. Serwery, które wymuszają spójność plików (a robią to domyślnie), rozłączają gracza, który go używa, już podczas łączenia.

Zainstalować go mimo to?</translation>
        </message>
        <message>
            <source>the box servers allow for a player model, as none checks %1</source>
            <translation>obrys, który serwery dopuszczają dla modelu gracza, bo żaden nie sprawdza %1</translation>
        </message>
        <message>
            <source>the box servers allow for %1</source>
            <translation>obrys, który serwery dopuszczają dla %1</translation>
        </message>
        <message>
            <source>the box servers allow for %1, as none checks %2</source>
            <translation>obrys, który serwery dopuszczają dla %1, bo żaden nie sprawdza %2</translation>
        </message>
        <message>
            <source>another program</source>
            <translation>inny program</translation>
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
            <translation>Plik %1 jest otwarty przez: %2; należy zamknąć ten program i spróbować ponownie</translation>
        </message>
    </context>
    <context>
        <name>ui::BackupWindow</name>
        <message>
            <source>Weapon models</source>
            <translation>Modele broni</translation>
        </message>
        <message>
            <source>Backing up weapon models...</source>
            <translation>Kopiowanie modeli broni...</translation>
        </message>
        <message>
            <source>Weapon model backup complete.</source>
            <translation>Kopia modeli broni gotowa.</translation>
        </message>
        <message>
            <source>Player models</source>
            <translation>Modele graczy</translation>
        </message>
        <message>
            <source>Backing up player models</source>
            <translation>Kopiowanie modeli graczy</translation>
        </message>
        <message>
            <source>Player model backup complete.</source>
            <translation>Kopia modeli graczy gotowa.</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>Kopia</translation>
        </message>
        <message>
            <source>Type in a name for the backups and click backup</source>
            <translation>Wpisać nazwę kopii i kliknąć Kopiuj</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Kopiuj</translation>
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
            <translation>przyjęty</translation>
        </message>
        <message>
            <source>refused</source>
            <translation>odrzucony</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>niesprawdzany</translation>
        </message>
        <message>
            <source>cannot tell</source>
            <translation>nie wiadomo</translation>
        </message>
        <message>
            <source>backup set %1</source>
            <translation>kopia %1</translation>
        </message>
        <message>
            <source>model %1</source>
            <translation>model %1</translation>
        </message>
        <message>
            <source>it cannot be read: %1</source>
            <translation>nie można go odczytać: %1</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>to nie plik modelu</translation>
        </message>
        <message>
            <source>with its model</source>
            <translation>razem z modelem</translation>
        </message>
        <message>
            <source>it holds %1</source>
            <translation>zawiera %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>tak</translation>
        </message>
        <message>
            <source>no: %1</source>
            <translation>nie: %1</translation>
        </message>
        <message>
            <source>library</source>
            <translation>biblioteka</translation>
        </message>
        <message>
            <source>game</source>
            <translation>gra</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 modelu %2</translation>
        </message>
        <message>
            <source>the game's %1</source>
            <translation>%1 z gry</translation>
        </message>
        <message>
            <source>Check</source>
            <translation>Sprawdź</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>Obraz</translation>
        </message>
        <message>
            <source>Where</source>
            <translation>Gdzie</translation>
        </message>
        <message>
            <source>Type or weapon</source>
            <translation>Typ lub broń</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Plik</translation>
        </message>
        <message>
            <source>Game loads it</source>
            <translation>Gra wczytuje</translation>
        </message>
        <message>
            <source>Servers</source>
            <translation>Serwery</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Powód</translation>
        </message>
        <message>
            <source>Box measured</source>
            <translation>Zmierzony obrys</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>%1 is %2</source>
            <translation>%1 to %2</translation>
        </message>
        <message>
            <source>Servers will refuse none of these files.</source>
            <translation>Serwery nie odrzucą żadnego z tych plików.</translation>
        </message>
        <message>
            <source>The game loads every one of them.</source>
            <translation>Gra wczyta każdy z nich.</translation>
        </message>
        <message>
            <source>None of the game's files is from the library or a backup set.</source>
            <translation>Żaden z plików gry nie pochodzi z biblioteki ani z kopii.</translation>
        </message>
        <message>
            <source>In the game now: %1.</source>
            <translation>Obecnie w grze: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%1 and %n more</source>
            <translation>
                <numerusform>%1 i %n inny</numerusform>
                <numerusform>%1 i %n inne</numerusform>
                <numerusform>%1 i %n innych</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Reading %1 of %n files...</source>
            <translation>
                <numerusform>Odczyt %1 z %n pliku...</numerusform>
                <numerusform>Odczyt %1 z %n plików...</numerusform>
                <numerusform>Odczyt %1 z %n plików...</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n files checked.</source>
            <translation>
                <numerusform>Sprawdzono %n plik.</numerusform>
                <numerusform>Sprawdzono %n pliki.</numerusform>
                <numerusform>Sprawdzono %n plików.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Servers will refuse %n files: %1.</source>
            <translation>
                <numerusform>Serwery odrzucą %n plik: %1.</numerusform>
                <numerusform>Serwery odrzucą %n pliki: %1.</numerusform>
                <numerusform>Serwery odrzucą %n plików: %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The game cannot load %n files: %1.</source>
            <translation>
                <numerusform>Gra nie wczyta %n pliku: %1.</numerusform>
                <numerusform>Gra nie wczyta %n plików: %1.</numerusform>
                <numerusform>Gra nie wczyta %n plików: %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ui::ImportWindow</name>
        <message>
            <source>The game uses no file of this name: right-click it to import it as one of the game's models.</source>
            <translation>Gra nie używa pliku o tej nazwie: aby zaimportować go jako jeden z modeli gry, należy kliknąć go prawym przyciskiem myszy.</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Importuj</translation>
        </message>
        <message>
            <source>Import as</source>
            <translation>Import jako</translation>
        </message>
        <message>
            <source> imported</source>
            <translation> zaimportowany</translation>
        </message>
    </context>
    <context>
        <name>ui::InstallWindow</name>
        <message>
            <source>&amp;Install</source>
            <translation>&amp;Instaluj</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>Select the model you would like to install and click install.</source>
            <translation>Wybrać model i kliknąć Instaluj.</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Podgląd</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerImportWindow</name>
        <message>
            <source>Import Player Model</source>
            <translation>Import modelu gracza</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
            <translation>Odszukać i zaznaczyć plik do zaimportowania. Następnie nadać mu nazwę i kliknąć Importuj.</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerInstallWindow</name>
        <message>
            <source>Install Player Model</source>
            <translation>Instalacja modelu gracza</translation>
        </message>
        <message>
            <source>Backup %1 installed</source>
            <translation>Zainstalowano kopię %1</translation>
        </message>
        <message>
            <source>%1 model %2 installed</source>
            <translation>Zainstalowano model %2 (%1)</translation>
        </message>
    </context>
    <context>
        <name>ui::RestoreControls</name>
        <message>
            <source>Install Backup</source>
            <translation>Instaluj kopię</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Instaluj</translation>
        </message>
    </context>
    <context>
        <name>ui::SourceBrowser</name>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Podgląd</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponImportWindow</name>
        <message>
            <source>Import Weapon Model</source>
            <translation>Import modelu broni</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
            <translation>Odszukać i zaznaczyć plik do zaimportowania. Następnie opisać go komentarzem i kliknąć Importuj.</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponInstallWindow</name>
        <message>
            <source>Install Weapon Model</source>
            <translation>Instalacja modelu broni</translation>
        </message>
        <message>
            <source>Backup install complete</source>
            <translation>Kopia zainstalowana</translation>
        </message>
        <message>
            <source>Install Left Model</source>
            <translation>Lewy model</translation>
        </message>
        <message>
            <source>Install Right Model</source>
            <translation>Prawy model</translation>
        </message>
        <message>
            <source>Install W Model</source>
            <translation>Model W</translation>
        </message>
        <message>
            <source>Install P Model</source>
            <translation>Model P</translation>
        </message>
        <message>
            <source>Install Complete</source>
            <translation>Instalacja zakończona</translation>
        </message>
    </context>
    <context>
        <name>viewer::ChoicePanel</name>
        <message>
            <source>Body parts and skins</source>
            <translation>Części ciała i skórki</translation>
        </message>
        <message>
            <source>Family %1</source>
            <translation>Wariant %1</translation>
        </message>
        <message>
            <source>S&amp;kin</source>
            <translation>&amp;Skórka</translation>
        </message>
    </context>
    <context>
        <name>viewer::SequencePanel</name>
        <message>
            <source>Se&amp;quences</source>
            <translation>Se&amp;kwencje</translation>
        </message>
        <message>
            <source>Pre&amp;v</source>
            <translation>&amp;Wstecz</translation>
        </message>
        <message>
            <source>&amp;Play</source>
            <translation>&amp;Odtwórz</translation>
        </message>
        <message>
            <source>Ne&amp;xt</source>
            <translation>Dale&amp;j</translation>
        </message>
        <message>
            <source>Reference pose</source>
            <translation>Poza wyjściowa</translation>
        </message>
        <message>
            <source>%1 (%2 frames at %3 fps%4)</source>
            <translation>%1 (klatki: %2, %3 kl./s%4)</translation>
        </message>
        <message>
            <source>, looping</source>
            <translation>, w pętli</translation>
        </message>
        <message>
            <source>The frame before (comma in the picture)</source>
            <translation>Poprzednia klatka (przecinek w obrazie)</translation>
        </message>
        <message>
            <source>Plays or pauses the sequence (Space in the picture)</source>
            <translation>Odtwarza lub wstrzymuje sekwencję (spacja w obrazie)</translation>
        </message>
        <message>
            <source>The frame after (full stop in the picture)</source>
            <translation>Następna klatka (kropka w obrazie)</translation>
        </message>
        <message>
            <source>Fra&amp;me</source>
            <translation>K&amp;latka</translation>
        </message>
        <message>
            <source>Mixes the sequence's blend sets, as the game does to aim</source>
            <translation>Miesza zestawy animacji sekwencji, tak jak gra przy celowaniu</translation>
        </message>
        <message>
            <source>B&amp;lend</source>
            <translation>&amp;Mieszanie</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>P&amp;auza</translation>
        </message>
        <message>
            <source>Frame %1 of %2</source>
            <translation>Klatka %1 z %2</translation>
        </message>
        <message>
            <source>The pose the model was made in</source>
            <translation>Poza, w której model został zrobiony</translation>
        </message>
        <message>
            <source>%1, from %2 to %3</source>
            <translation>%1, od %2 do %3</translation>
        </message>
    </context>
    <context>
        <name>viewer::ServerPanel</name>
        <message>
            <source>On servers</source>
            <translation>Na serwerach</translation>
        </message>
        <message>
            <source>Server b&amp;ox</source>
            <translation>O&amp;brys serwera</translation>
        </message>
        <message>
            <source>Pla&amp;yer size</source>
            <translation>Roz&amp;miar gracza</translation>
        </message>
        <message>
            <source>Draws the box servers allow and the box they measure, and in red where the model reaches beyond</source>
            <translation>Rysuje obrys, który dopuszczają serwery, i obrys, który mierzą, a na czerwono miejsca, w których model wychodzi poza dopuszczalny obrys</translation>
        </message>
        <message>
            <source>Draws the hull the game moves a player by and hits him in</source>
            <translation>Rysuje bryłę kolizyjną, według której gra porusza gracza i w którą go trafia</translation>
        </message>
        <message>
            <source>Green: %1. What servers measure cannot be told.</source>
            <translation>Zielony: %1. Nie wiadomo, co zmierzą serwery.</translation>
        </message>
        <message>
            <source>Green: %1; held against it, the model is %2. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Zielony: %1; w porównaniu z nim model jest %2. Żółty: obrys, który zmierzyłyby serwery. Czerwony: miejsca, w których model wychodzi poza zielony obrys.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Zielony: %1. Żółty: obrys, który zmierzyłyby serwery. Czerwony: miejsca, w których model wychodzi poza zielony obrys.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers measure. Red: where the model reaches beyond the green box.</source>
            <translation>Zielony: %1. Żółty: obrys, który mierzą serwery. Czerwony: miejsca, w których model wychodzi poza zielony obrys.</translation>
        </message>
        <message>
            <source>Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × 32 × 36; both centred on the model's origin, as the game centres them.</source>
            <translation>Błękitny: bryła kolizyjna stojącego gracza, 32 × 32 × 72 jednostki; fioletowy: w kucki, 32 × 32 × 36; obie wyśrodkowane na początku układu współrzędnych modelu, tak jak wyśrodkowuje je gra.</translation>
        </message>
    </context>
    <context>
        <name>viewer::TextureBrowser</name>
        <message>
            <source>masked</source>
            <translation>maskowana</translation>
        </message>
        <message>
            <source>chrome</source>
            <translation>chrom</translation>
        </message>
        <message>
            <source>full bright</source>
            <translation>pełna jasność</translation>
        </message>
        <message>
            <source>additive</source>
            <translation>addytywna</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nazwa</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Rozmiar</translation>
        </message>
        <message>
            <source>Flags</source>
            <translation>Flagi</translation>
        </message>
        <message>
            <source>The texture's 256 colours, row by row from index 0</source>
            <translation>256 kolorów tekstury, wiersz po wierszu od indeksu 0</translation>
        </message>
        <message>
            <source>&amp;Fit to the view</source>
            <translation>Dopasu&amp;j do widoku</translation>
        </message>
        <message>
            <source>Shows the texture as large as fits, else at one pixel a texel</source>
            <translation>Pokazuje teksturę tak dużą, jak się zmieści; bez tej opcji – jeden piksel na teksel</translation>
        </message>
        <message>
            <source>Save t&amp;exture...</source>
            <translation>Zapisz t&amp;eksturę...</translation>
        </message>
        <message>
            <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
            <translation>Zapisuje teksturę jako 8-bitowy BMP z jej paletą albo jako PNG</translation>
        </message>
        <message>
            <source>Palette</source>
            <translation>Paleta</translation>
        </message>
        <message>
            <source>%1 was saved as %2.</source>
            <translation>Zapisano %1 jako %2.</translation>
        </message>
        <message>
            <source>%1 could not be saved as %2: %3.</source>
            <translation>Nie udało się zapisać %1 jako %2: %3.</translation>
        </message>
        <message>
            <source>8-bit BMP with its palette (*.bmp)</source>
            <translation>8-bitowy BMP z paletą (*.bmp)</translation>
        </message>
        <message>
            <source>PNG (*.png)</source>
            <translation>PNG (*.png)</translation>
        </message>
        <message>
            <source>Save texture</source>
            <translation>Zapisz teksturę</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewPanel</name>
        <message>
            <source>View</source>
            <translation>Widok</translation>
        </message>
        <message>
            <source>&amp;Textures</source>
            <translation>&amp;Tekstury</translation>
        </message>
        <message>
            <source>&amp;Wireframe</source>
            <translation>S&amp;iatka</translation>
        </message>
        <message>
            <source>&amp;Bones</source>
            <translation>Koś&amp;ci</translation>
        </message>
        <message>
            <source>&amp;Ground</source>
            <translation>Podło&amp;ga</translation>
        </message>
        <message>
            <source>F&amp;irst person</source>
            <translation>Widok &amp;FPP</translation>
        </message>
        <message>
            <source>Sees the model from its origin along its front, as the game shows a weapon in the player's hands</source>
            <translation>Pokazuje model widziany z początku jego układu współrzędnych w stronę przodu, tak jak gra pokazuje broń w rękach gracza</translation>
        </message>
        <message>
            <source>Ba&amp;ckground...</source>
            <translation>Kolo&amp;r tła...</translation>
        </message>
        <message>
            <source>&amp;Reset view</source>
            <translation>R&amp;esetuj widok</translation>
        </message>
        <message>
            <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
            <translation>Ponownie kadruje model albo wraca do punktu oka (Home w obrazie)</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>&amp;Zapisz obraz...</translation>
        </message>
        <message>
            <source>Saves the picture as PNG (Ctrl+S)</source>
            <translation>Zapisuje obraz jako PNG (Ctrl+S)</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewerWindow</name>
        <message>
            <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
            <translation>Przeciąganie z wciśniętym lewym przyciskiem myszy obraca model, z prawym – przesuwa go; kółko go przybliża. Z klawiatury, gdy aktywny jest obraz: strzałki obracają model, Shift ze strzałkami przesuwa go, + i - przybliżają go i oddalają, Home przywraca widok. W widoku z pierwszej osoby widok zostaje w miejscu oka. Spacja odtwarza lub wstrzymuje sekwencję, przecinek i kropka przechodzą o klatkę. Ctrl+S zapisuje obraz, Escape zamyka okno.</translation>
        </message>
        <message>
            <source>Tessary model viewer</source>
            <translation>Przeglądarka modeli Tessary</translation>
        </message>
        <message>
            <source>Mo&amp;del</source>
            <translation>Mo&amp;del</translation>
        </message>
        <message>
            <source>Open a model with File → Open, or drop a .mdl file here.</source>
            <translation>Model można otworzyć poleceniem Plik → Otwórz albo upuszczając tu plik .mdl.</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Plik</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Otwórz...</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>&amp;Zapisz obraz...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Za&amp;kończ</translation>
        </message>
        <message>
            <source>Open model</source>
            <translation>Otwórz model</translation>
        </message>
        <message>
            <source>Model files (*.mdl);;All files (*)</source>
            <translation>Pliki modeli (*.mdl);;Wszystkie pliki (*)</translation>
        </message>
        <message>
            <source>%1 — %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>The file could not be read.</source>
            <translation>Nie udało się odczytać pliku.</translation>
        </message>
        <message>
            <source>%1 cannot be shown.</source>
            <translation>Nie można wyświetlić pliku %1.</translation>
        </message>
        <message>
            <source>Text&amp;ures</source>
            <translation>Tekst&amp;ury</translation>
        </message>
        <message>
            <source>%1 holds textures only.</source>
            <translation>%1 zawiera tylko tekstury.</translation>
        </message>
        <message>
            <source>%1 holds the textures of the model %2.</source>
            <translation>%1 zawiera tekstury modelu %2.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
            <translation>%1 zawiera animacje sekwencji innego modelu i nie ma w nim nic do narysowania.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
            <translation>%1 zawiera animacje sekwencji modelu %2 i nie ma w nim nic do narysowania; odtwarza je %2.</translation>
        </message>
        <message>
            <source>&amp;Open %1</source>
            <translation>&amp;Otwórz %1</translation>
        </message>
        <message>
            <source>%1 is not in the same folder.</source>
            <translation>Pliku %1 nie ma w tym samym folderze.</translation>
        </message>
        <message>
            <source>About the model</source>
            <translation>O modelu</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Kolor tła</translation>
        </message>
        <message>
            <source>The picture was saved as %1.</source>
            <translation>Obraz zapisano jako %1.</translation>
        </message>
        <message>
            <source>The picture could not be saved as %1.</source>
            <translation>Nie udało się zapisać obrazu jako %1.</translation>
        </message>
        <message>
            <source>Save picture</source>
            <translation>Zapisz obraz</translation>
        </message>
        <message>
            <source>PNG pictures (*.png)</source>
            <translation>Obrazy PNG (*.png)</translation>
        </message>
    </context>
</TS>
