<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr" sourcelanguage="en">
    <context>
        <name>ModelTip</name>
        <message>
            <source>It cannot be read: %1.</source>
            <translation>Okunamıyor: %1.</translation>
        </message>
        <message>
            <source>It is not a model file.</source>
            <translation>Bir model dosyası değil.</translation>
        </message>
        <message>
            <source>The game cannot load it: %1.</source>
            <translation>Oyun bunu yükleyemiyor: %1.</translation>
        </message>
        <message>
            <source>Servers accept it.</source>
            <translation>Sunucular bunu kabul ediyor.</translation>
        </message>
        <message>
            <source>Servers refuse it: it is %1.</source>
            <translation>Sunucular bunu reddediyor: %1.</translation>
        </message>
        <message>
            <source>No server checks it.</source>
            <translation>Hiçbir sunucu bunu denetlemiyor.</translation>
        </message>
        <message>
            <source>Whether servers accept it cannot be told: %1.</source>
            <translation>Sunucuların bunu kabul edip etmeyeceği bilinemiyor: %1.</translation>
        </message>
    </context>
    <context>
        <name>app::AboutWindow</name>
        <message>
            <source>OK</source>
            <translation>Tamam</translation>
        </message>
        <message>
            <source>This application is intended to help those people that like to use custom models and need a way to organize them.</source>
            <translation>Bu uygulama, özel modeller kullanmayı seven ve onları düzenlemenin bir yolunu arayan kişilere yardımcı olmak için tasarlanmıştır.</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>&amp;Sistem Bilgisi...</translation>
        </message>
        <message>
            <source>Version %1.%2.%3</source>
            <translation>Sürüm %1.%2.%3</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>%1 Hakkında</translation>
        </message>
    </context>
    <context>
        <name>app::MainWindow</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Dosya</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Çı&amp;kış</translation>
        </message>
        <message>
            <source>&amp;Model</source>
            <translation>&amp;Model</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Yedekle</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>İçe &amp;aktar</translation>
        </message>
        <message>
            <source>&amp;Player</source>
            <translation>&amp;Oyuncu</translation>
        </message>
        <message>
            <source>&amp;Weapon</source>
            <translation>&amp;Silah</translation>
        </message>
        <message>
            <source>I&amp;nstall</source>
            <translation>Yü&amp;kle</translation>
        </message>
        <message>
            <source>Player Model</source>
            <translation>Oyuncu Modeli</translation>
        </message>
        <message>
            <source>Weapon Model</source>
            <translation>Silah Modeli</translation>
        </message>
        <message>
            <source>&amp;Check</source>
            <translation>&amp;Denetle</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>&amp;Yardım</translation>
        </message>
        <message>
            <source>&amp;Readme</source>
            <translation>&amp;Beni Oku</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Hakkında</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Dil</translation>
        </message>
        <message>
            <source>System language</source>
            <translation>Sistem dili</translation>
        </message>
        <message>
            <source>Tessary speaks the language chosen at once.</source>
            <translation>Tessary seçilen dile hemen geçer.</translation>
        </message>
    </context>
    <context>
        <name>app::ReadmeWindow</name>
        <message>
            <source>Readme</source>
            <translation>Beni Oku</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Kapat</translation>
        </message>
    </context>
    <context>
        <name>archive</name>
        <message>
            <source>Two of the chosen files would both be %1.</source>
            <translation>Seçilen dosyalardan ikisi de %1 olurdu.</translation>
        </message>
        <message>
            <source>%1 exists already.</source>
            <translation>%1 zaten var.</translation>
        </message>
        <message>
            <source>%1 in %2 could not be extracted to %3: %4.</source>
            <translation>%2 içindeki %1, %3 olarak çıkarılamadı: %4.</translation>
        </message>
        <message>
            <source>its path is longer than %1 bytes</source>
            <translation>yolu %1 bayttan uzun</translation>
        </message>
        <message>
            <source>its path is more than %1 levels deep</source>
            <translation>yolu %1 düzeyden daha derin</translation>
        </message>
        <message>
            <source>its path holds the name "%1", which Windows does not allow: %2</source>
            <translation>yolunda Windows'un izin vermediği "%1" adı var: %2</translation>
        </message>
        <message>
            <source>it is larger than %1 MB</source>
            <translation>%1 MB'tan büyük</translation>
        </message>
        <message>
            <source>%1 holds more than %2 entries, more than Tessary reads.</source>
            <translation>%1 içinde %2 girdiden fazlası var; Tessary bundan fazlasını okumaz.</translation>
        </message>
        <message>
            <source>Tessary cannot read the files of %1 that a password protects.</source>
            <translation>Tessary, %1 içindeki parolayla korunan dosyaları okuyamaz.</translation>
        </message>
        <message>
            <source>%1 in %2 is larger than %3 MB.</source>
            <translation>%2 içindeki %1, %3 MB'tan büyük.</translation>
        </message>
        <message>
            <source>%1 has changed since Tessary listed it: %2 is no longer in it.</source>
            <translation>%1, Tessary onu listelediğinden beri değişti: %2 artık içinde değil.</translation>
        </message>
        <message>
            <source>%1 could not be opened: %2.</source>
            <translation>%1 açılamadı: %2.</translation>
        </message>
        <message>
            <source>an earlier entry has the same name</source>
            <translation>önceki bir girdi aynı adı taşıyor</translation>
        </message>
        <message>
            <source>%1 could not be read: there is too little memory.</source>
            <translation>%1 okunamadı: bellek yetersiz.</translation>
        </message>
        <message>
            <source>%1 is not a .zip, .rar or .7z archive that Tessary can read.</source>
            <translation>%1, Tessary'nin okuyabileceği bir .zip, .rar ya da .7z arşivi değil.</translation>
        </message>
        <message>
            <source>%1 is protected by a password, which Tessary cannot open.</source>
            <translation>%1 parolayla korunuyor; Tessary onu açamaz.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>%1 okunamadı: %2.</translation>
        </message>
        <message>
            <source>%1 could not be read: it is damaged.</source>
            <translation>%1 okunamadı: arşiv hasarlı.</translation>
        </message>
        <message>
            <source>its name cannot be read</source>
            <translation>adı okunamıyor</translation>
        </message>
        <message>
            <source>its path is absolute</source>
            <translation>yolu mutlak</translation>
        </message>
        <message>
            <source>its path leads outside the folder it would be extracted to</source>
            <translation>yolu, çıkarılacağı klasörün dışına çıkıyor</translation>
        </message>
        <message>
            <source>it is a link</source>
            <translation>bir bağlantı</translation>
        </message>
        <message>
            <source>it is not an ordinary file</source>
            <translation>sıradan bir dosya değil</translation>
        </message>
        <message>
            <source>it has no name</source>
            <translation>adı yok</translation>
        </message>
        <message>
            <source>it is protected by a password</source>
            <translation>parolayla korunuyor</translation>
        </message>
        <message>
            <source>The files to take out of %1 are larger than %2 MB together, more than Tessary takes out at once.</source>
            <translation>%1 içinden çıkarılacak dosyalar toplamda %2 MB'tan büyük; Tessary bir seferde bundan fazlasını çıkarmaz.</translation>
        </message>
        <message>
            <source>Tessary leaves out these files of %1:</source>
            <translation>Tessary, %1 içindeki şu dosyaları dışarıda bırakıyor:</translation>
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
Ve %2 tane daha.</translation>
        </message>
    </context>
    <context>
        <name>core</name>
        <message>
            <source>Please type in a name for the backup.</source>
            <translation>Lütfen yedek için bir ad yazın.</translation>
        </message>
        <message>
            <source>That name already exists.</source>
            <translation>Bu ad zaten var.</translation>
        </message>
        <message>
            <source>%1 is a file where the backup needs a folder, so no backup was made.</source>
            <translation>Yedeğin klasöre ihtiyaç duyduğu yerde bir dosya var (%1), bu yüzden yedek alınmadı.</translation>
        </message>
        <message>
            <source>The game's model folder %1 does not exist, so no backup was made.</source>
            <translation>Oyunun model klasörü %1 yok, bu yüzden yedek alınmadı.</translation>
        </message>
        <message>
            <source>The game file %1 is missing, so no backup was made.</source>
            <translation>Oyun dosyası %1 bulunamadı, bu yüzden yedek alınmadı.</translation>
        </message>
        <message>
            <source>The game file %1 cannot be read (%2), so no backup was made.</source>
            <translation>Oyun dosyası %1 okunamıyor (%2), bu yüzden yedek alınmadı.</translation>
        </message>
        <message>
            <source>The name "%1" could not be added to %2</source>
            <translation>"%1" adı %2 dosyasına eklenemedi</translation>
        </message>
        <message>
            <source>Please select a backup set before clicking install.</source>
            <translation>Lütfen Yükle'ye tıklamadan önce bir yedek seçin.</translation>
        </message>
        <message>
            <source>The backup set "%1" has lost its file %2, so nothing was restored.</source>
            <translation>"%1" yedeğinin %2 dosyası kaybolmuş, bu yüzden hiçbir şey geri yüklenmedi.</translation>
        </message>
        <message>
            <source>Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.</source>
            <translation>Tessary %1 işleminin diske yazıldığından emin olamadı (%2), bu yüzden işlemi geri aldı.</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <translation>%1; %2</translation>
        </message>
        <message>
            <source>%1 could not be put back (%2)</source>
            <translation>%1 geri konulamadı (%2)</translation>
        </message>
        <message>
            <source>%1 could not be removed (%2)</source>
            <translation>%1 kaldırılamadı (%2)</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it, so it changed nothing. The record is kept as %2; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Tessary bitirmediği bir değişikliğin kaydını (%1) buldu, ancak kaydı okuyamıyor; bu yüzden hiçbir şeyi değiştirmedi. Kayıt %2 olarak saklandı; değişikliğin bir kenarda tuttuğu dosyaların adı .&lt;ad&gt;.tessary-old biçimindedir.</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it (%2), so it changed nothing. The record is kept as %3; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>Tessary bitirmediği bir değişikliğin kaydını (%1) buldu, ancak kaydı okuyamıyor (%2); bu yüzden hiçbir şeyi değiştirmedi. Kayıt %3 olarak saklandı; değişikliğin bir kenarda tuttuğu dosyaların adı .&lt;ad&gt;.tessary-old biçimindedir.</translation>
        </message>
        <message>
            <source>Tessary was stopped as it finished the last %1; the %1 is complete.</source>
            <translation>Tessary son %1 işlemini bitirirken durduruldu; %1 işlemi tamamlandı.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, and cannot undo it yet: %2. It tries again at its next start, and changes no files until then.</source>
            <translation>Tessary son %1 işlemini bitirmeden durduruldu ve işlemi henüz geri alamıyor: %2. Bir sonraki başlatılışında yeniden dener ve o zamana kadar hiçbir dosyayı değiştirmez.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, so it has undone it: every file it had changed is as it was before.</source>
            <translation>Tessary son %1 işlemini bitirmeden durduruldu, bu yüzden işlemi geri aldı: değiştirdiği her dosya eski hâline döndü.</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>Please select a file before clicking import</source>
            <translation>Lütfen İçe Aktar'a tıklamadan önce bir dosya seçin</translation>
        </message>
        <message>
            <source>Please enter a name for the model</source>
            <translation>Lütfen model için bir ad girin</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: %3, so nothing was imported.</source>
            <translation>%1, %2 olarak içe aktarılamaz: %3; bu yüzden hiçbir şey içe aktarılmadı.</translation>
        </message>
        <message>
            <source>Please select a model before clicking install.</source>
            <translation>Lütfen Yükle'ye tıklamadan önce bir model seçin.</translation>
        </message>
        <message>
            <source>%1 of the model "%2" was not installed: the game cannot load it (%3). Nothing was installed.</source>
            <translation>"%2" modelinin %1 dosyası yüklenmedi: oyun bu dosyayı yükleyemiyor (%3). Hiçbir şey yüklenmedi.</translation>
        </message>
        <message>
            <source>the textures of %1</source>
            <translation>%1 dosyasının dokuları</translation>
        </message>
        <message>
            <source>the animations of sequence group %1 of %2</source>
            <translation>%2 dosyasının %1 numaralı sekans grubundaki animasyonlar</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: the game loads the animations of its sequence group %3 from %4, the path stored in the model, and under the new name it would have to be %5, so nothing was imported.</source>
            <translation>%1, %2 olarak içe aktarılamaz: oyun bu modelin %3 numaralı sekans grubundaki animasyonları modelde kayıtlı yoldan, %4 konumundan yükler; yeni adla bu yolun %5 olması gerekirdi. Bu yüzden hiçbir şey içe aktarılmadı.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was imported.</source>
            <translation>%2 içinde %1 yok: %3 bu dosyadan yüklenir ve oyun bu dosya olmadan durur; bu yüzden hiçbir şey içe aktarılmadı.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was installed.</source>
            <translation>%2 içinde %1 yok: %3 bu dosyadan yüklenir ve oyun bu dosya olmadan durur; bu yüzden hiçbir şey yüklenmedi.</translation>
        </message>
        <message>
            <source>it needs %1 beside it, which is missing</source>
            <translation>yanında %1 dosyası gerekiyor, ancak bu dosya yok</translation>
        </message>
        <message>
            <source>it is no model (every model file starts with IDST), and the game stops on it</source>
            <translation>bu bir model değil (her model dosyası IDST ile başlar) ve oyun bu dosyada durur</translation>
        </message>
        <message>
            <source>RegKey not found!!</source>
            <translation>Kayıt defteri anahtarı bulunamadı!</translation>
        </message>
        <message>
            <source>The game's registry entry names no game folder, so Tessary cannot tell where the game is installed.</source>
            <translation>Oyunun kayıt defteri girdisi bir oyun klasörü belirtmiyor, bu yüzden Tessary oyunun nereye kurulduğunu bilemiyor.</translation>
        </message>
        <message>
            <source>The folder %1 could not be created: %2.</source>
            <translation>%1 klasörü oluşturulamadı: %2.</translation>
        </message>
        <message>
            <source>That name cannot be a folder name: %1.</source>
            <translation>Bu ad bir klasör adı olamaz: %1.</translation>
        </message>
        <message>
            <source>%1 The model library was not created; mend the file and start Tessary again.</source>
            <translation>%1 Model kitaplığı oluşturulmadı; dosyayı düzeltip Tessary'yi yeniden başlatın.</translation>
        </message>
        <message>
            <source>%1, left by an earlier start, could not be removed: %2.</source>
            <translation>Önceki bir başlatmadan kalan %1 kaldırılamadı: %2.</translation>
        </message>
        <message>
            <source>The model library could not be put in place as %1: %2.</source>
            <translation>Model kitaplığı %1 olarak yerine konamadı: %2.</translation>
        </message>
        <message>
            <source>Tessary keeps its model library in the folder it is started from, %1, but it cannot write there (%2). Move the Tessary folder to a place of your own, such as your Documents folder, and start it from there.</source>
            <translation>Tessary model kitaplığını başlatıldığı klasörde (%1) tutar, ancak oraya yazamıyor (%2). Tessary klasörünü Belgeler klasörünüz gibi size ait bir yere taşıyın ve Tessary'yi oradan başlatın.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", cannot be a folder name: %4.</source>
            <translation>%2 dosyasının %1. satırı ("%3") klasör adı olamaz: %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", repeats line %4.</source>
            <translation>%2 dosyasının %1. satırı ("%3"), %4. satırın tekrarı.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", names a folder that Tessary makes itself.</source>
            <translation>%2 dosyasının %1. satırı ("%3"), Tessary'nin kendisinin oluşturduğu bir klasörün adı.</translation>
        </message>
        <message>
            <source>%1 could not be read from the program folder: %2.</source>
            <translation>%1 program klasöründen okunamadı: %2.</translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>Program klasöründeki %1 dosyası satırlarını yalnızca LF ile bitiriyor, ancak Tessary bir satırın CR LF (ya da CR) ile bittiğini kabul eder; bu yüzden %2 satır gereken yerde %n satır buluyor.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>Program klasöründeki %1 dosyasında %n satır var, ancak Tessary'nin %2 satıra ihtiyacı var.</numerusform>
            </translation>
        </message>
        <message>
            <source>readme.txt could not be read from the program folder: %1.</source>
            <translation>readme.txt program klasöründen okunamadı: %1.</translation>
        </message>
        <message>
            <source>The model viewer %1 is missing, so Tessary cannot show the model. Unpack Tessary again to get it back.</source>
            <translation>Model görüntüleyici %1 bulunamadı, bu yüzden Tessary modeli gösteremiyor. Geri getirmek için Tessary'yi yeniden zip'ten çıkarın.</translation>
        </message>
        <message>
            <source>The model viewer %1 could not be started.</source>
            <translation>Model görüntüleyici %1 başlatılamadı.</translation>
        </message>
        <message>
            <source>No file selected.</source>
            <translation>Hiçbir dosya seçilmedi.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>Sistem bilgisi şu anda kullanılamıyor</translation>
        </message>
        <message>
            <source>The folder %1, into which Tessary takes files out of archives, could not be cleared: %2.</source>
            <translation>Tessary'nin arşivlerden dosya çıkardığı %1 klasörü boşaltılamadı: %2.</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1 or %2</source>
            <translation>%1 ya da %2</translation>
        </message>
        <message>
            <source>%1 no longer holds %2: the archive has changed since Tessary listed it.</source>
            <translation>%1 içinde artık %2 yok: arşiv, Tessary onu listelediğinden beri değişti.</translation>
        </message>
        <message>
            <source>%1 holds no folder %2 any more.</source>
            <translation>%1 içinde artık %2 klasörü yok.</translation>
        </message>
        <message>
            <source>The game is running (%1): it uses the new files only after it is restarted, and servers refuse changed files until then. Restart the game before you join a server.</source>
            <translation>Oyun çalışıyor (%1): yeni dosyaları ancak yeniden başlatıldıktan sonra kullanır ve o zamana kadar sunucular değiştirilmiş dosyaları reddeder. Bir sunucuya katılmadan önce oyunu yeniden başlatın.</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>%1 bulunamadı</translation>
        </message>
        <message>
            <source>%1 cannot be read: %2</source>
            <translation>%1 okunamıyor: %2</translation>
        </message>
        <message>
            <source>a folder stands in its place</source>
            <translation>yerinde bir klasör var</translation>
        </message>
        <message>
            <source>%1, a file Tessary kept aside in an earlier change, is in the way; move it elsewhere first</source>
            <translation>Tessary'nin önceki bir değişiklikte bir kenarda tuttuğu %1 dosyası engel oluyor; önce onu başka bir yere taşıyın</translation>
        </message>
        <message>
            <source>a file of that name is there already</source>
            <translation>orada bu adda bir dosya zaten var</translation>
        </message>
        <message>
            <source>%1 The game files replaced before it were put back.</source>
            <translation>%1 Ondan önce değiştirilen oyun dosyaları eski hâline geri kondu.</translation>
        </message>
        <message>
            <source>%1 No game file was changed.</source>
            <translation>%1 Hiçbir oyun dosyası değiştirilmedi.</translation>
        </message>
        <message>
            <source>%1 could not be copied to %2: %3.</source>
            <translation>%1, %2 olarak kopyalanamadı: %3.</translation>
        </message>
        <message>
            <source>The game file %1 was not replaced: %2.</source>
            <translation>Oyun dosyası %1 değiştirilmedi: %2.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>Tessary has not yet finished or undone an earlier change, whose record is %1, so it changes no files now. Start Tessary again to settle it.</source>
            <translation>Tessary, kaydı %1 olan önceki bir değişikliği henüz tamamlamadı ya da geri almadı; bu yüzden şimdi hiçbir dosyayı değiştirmiyor. Bunu sonuca bağlamak için Tessary'yi yeniden başlatın.</translation>
        </message>
        <message>
            <source>Tessary could not write the record of the %1, %2, so it changed nothing: %3.</source>
            <translation>Tessary %1 işleminin kaydını (%2) yazamadı, bu yüzden hiçbir şeyi değiştirmedi: %3.</translation>
        </message>
        <message>
            <source>Tessary could not make sure the record of the %1, %2, is on the disk, so it changed nothing: %3.</source>
            <translation>Tessary %1 işleminin kaydının (%2) diske yazıldığından emin olamadı, bu yüzden hiçbir şeyi değiştirmedi: %3.</translation>
        </message>
        <message>
            <source>Tessary could not undo all of it yet: %1. It tries again at its next start.</source>
            <translation>Tessary henüz hepsini geri alamadı: %1. Bir sonraki başlatılışında yeniden dener.</translation>
        </message>
        <message>
            <source>%1 cannot be opened: there is no such folder, or Tessary may not read it.</source>
            <translation>%1 açılamıyor: böyle bir klasör yok ya da Tessary'nin onu okuma izni yok.</translation>
        </message>
        <message>
            <source>install</source>
            <translation>yükleme</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>geri yükleme</translation>
        </message>
        <message>
            <source>backup</source>
            <translation>yedekleme</translation>
        </message>
        <message>
            <source>import</source>
            <translation>içe aktarma</translation>
        </message>
        <message>
            <source>Inavaild model name. The name of the model must match those that CS currently uses</source>
            <translation>Geçersiz model adı. Modelin adı, CS oyununun şu anda kullandığı adlardan biri olmalıdır</translation>
        </message>
        <message>
            <source>No model selected</source>
            <translation>Hiçbir model seçilmedi</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>%1 okunamadı: %2.</translation>
        </message>
    </context>
    <context>
        <name>model</name>
        <message>
            <source>the game walks more than %1 words of its animation, more than Tessary follows</source>
            <translation>oyun animasyonunun %1 sözcüğünden fazlasını okuyor; Tessary bundan fazlasını izlemez</translation>
        </message>
        <message>
            <source>its body parts count %1 models together, more than the game can count</source>
            <translation>vücut parçalarında toplam %1 model var; bu, oyunun sayabileceğinden fazla</translation>
        </message>
        <message>
            <source>the game reads more than %1 vertices of its models, more than Tessary measures</source>
            <translation>oyun, modellerinin %1 köşe noktasından fazlasını okuyor; Tessary bundan fazlasını ölçmez</translation>
        </message>
        <message>
            <source>vertex %1 of %2 has a coordinate that is not a number</source>
            <translation>%2 içindeki %1 numaralı köşe noktasının bir koordinatı sayı değil</translation>
        </message>
        <message>
            <source>bone %1 has a position value or scale that is not a finite number</source>
            <translation>%1 numaralı kemiğin bir konum değeri ya da ölçeği sonlu bir sayı değil</translation>
        </message>
        <message>
            <source>it counts %1 sequences, more than the %2 Tessary measures</source>
            <translation>%1 sekansı var; bu, Tessary'nin ölçtüğü %2 sekanstan fazla</translation>
        </message>
        <message>
            <source>%1 has %2 frames, more than the %3 Tessary measures</source>
            <translation>%1 sekansının %2 karesi var; bu, Tessary'nin ölçtüğü %3 kareden fazla</translation>
        </message>
        <message>
            <source>the bones of %1 reach beyond the range of a float</source>
            <translation>%1 sekansında kemikler float aralığının dışına çıkıyor</translation>
        </message>
        <message>
            <source>it is not a model file</source>
            <translation>bir model dosyası değil</translation>
        </message>
        <message>
            <source>the game does not load it (%1)</source>
            <translation>oyun bunu yüklemez (%1)</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>model dosyası değil</translation>
        </message>
        <message>
            <source>%1 is not a sequence group file</source>
            <translation>%1 bir sekans grubu dosyası değil</translation>
        </message>
        <message>
            <source>%1 is not a texture file of a model</source>
            <translation>%1 bir modelin doku dosyası değil</translation>
        </message>
        <message>
            <source>model version %1 is not supported</source>
            <translation>model sürümü %1 desteklenmiyor</translation>
        </message>
        <message>
            <source>%1 has version %2, which is not supported</source>
            <translation>%1: sürüm %2 desteklenmiyor</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>%1 bulunamadı</translation>
        </message>
        <message>
            <source>%1 is a folder, not a model file</source>
            <translation>%1 bir klasör, model dosyası değil</translation>
        </message>
        <message>
            <source>%1 is not a regular file</source>
            <translation>%1 sıradan bir dosya değil</translation>
        </message>
        <message>
            <source>%1 is larger than %2 MiB, more than any model file</source>
            <translation>%1, %2 MiB'tan büyük; hiçbir model dosyası bu kadar büyük olmaz</translation>
        </message>
        <message>
            <source>%1 cannot be read</source>
            <translation>%1 okunamıyor</translation>
        </message>
        <message>
            <source>it is a sequence group file, which holds only animation of a model</source>
            <translation>bu bir sekans grubu dosyası; yalnızca bir modelin animasyonunu içerir</translation>
        </message>
        <message>
            <source>it is a texture file, which holds only the textures of a model</source>
            <translation>bu bir doku dosyası; yalnızca bir modelin dokularını içerir</translation>
        </message>
        <message>
            <source>it is a model of version %1, of a later engine: the game loads models of version 10 only</source>
            <translation>daha yeni bir motora ait, sürümü %1 olan bir model: oyun yalnızca sürümü 10 olan modelleri yükler</translation>
        </message>
        <message>
            <source>it is a model of version %1: the game loads models of version 10 only</source>
            <translation>sürümü %1 olan bir model: oyun yalnızca sürümü 10 olan modelleri yükler</translation>
        </message>
        <message>
            <source>it ends after %1 bytes, inside the %2-byte header of a model</source>
            <translation>%1 bayttan sonra, bir modelin %2 baytlık başlığının içinde bitiyor</translation>
        </message>
        <message>
            <source>it has %1 bones, more than the %2 the game can load</source>
            <translation>%1 kemiği var; bu, oyunun yükleyebileceği %2 kemikten fazla</translation>
        </message>
        <message>
            <source>the file</source>
            <translation>dosya</translation>
        </message>
        <message>
            <source>texture file %1 is missing</source>
            <translation>%1 doku dosyası bulunamadı</translation>
        </message>
        <message>
            <source>texture file %1</source>
            <translation>%1 doku dosyası</translation>
        </message>
        <message>
            <source>sequence group file %1 is missing</source>
            <translation>%1 sekans grubu dosyası bulunamadı</translation>
        </message>
        <message>
            <source>sequence group file %1</source>
            <translation>%1 sekans grubu dosyası</translation>
        </message>
        <message>
            <source>%1 is damaged: %2</source>
            <translation>%1 hasarlı: %2</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies before the start of the file</source>
            <translation>oyunun %2 verisini okuduğu %1 ofseti dosyanın başından önce</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies past the end of the file (%3 bytes)</source>
            <translation>oyunun %2 verisini okuduğu %1 ofseti dosyanın sonundan sonra (%3 bayt)</translation>
        </message>
        <message>
            <source>the %1 bytes at offset %2, where the game reads %3, reach past the end of the file (%4 bytes)</source>
            <translation>oyunun %3 verisini okuduğu %2 ofsetindeki %1 bayt dosyanın sonunu aşıyor (%4 bayt)</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1 ve %2</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>Couldn't allocate console</source>
            <translation>Konsol ayrılamadı</translation>
        </message>
        <message>
            <source>Couldn't allocate STDOUT</source>
            <translation>STDOUT ayrılamadı</translation>
        </message>
        <message>
            <source>it is empty</source>
            <translation>boş</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <translation>%1 bayttan uzun</translation>
        </message>
        <message>
            <source>it holds one of the characters \ / : * ? " &lt; &gt; |</source>
            <translation>\ / : * ? " &lt; &gt; | karakterlerinden birini içeriyor</translation>
        </message>
        <message>
            <source>it holds a control character</source>
            <translation>bir denetim karakteri içeriyor</translation>
        </message>
        <message>
            <source>it is "." or ".."</source>
            <translation>"." ya da ".."</translation>
        </message>
        <message>
            <source>it ends in a dot or a blank</source>
            <translation>nokta ya da boşlukla bitiyor</translation>
        </message>
        <message>
            <source>it is a name Windows keeps for a device</source>
            <translation>Windows'un bir aygıt için ayırdığı bir ad</translation>
        </message>
        <message>
            <source>%1, %2 and %3</source>
            <translation>%1, %2 ve %3</translation>
        </message>
        <message>
            <source>(%1, %2, %3)</source>
            <translation>(%1; %2; %3)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>%1 ile %2 arası</translation>
        </message>
        <message>
            <source>%1 units too long</source>
            <translation>%1 birim fazla uzun</translation>
        </message>
        <message>
            <source>%1 units too wide</source>
            <translation>%1 birim fazla geniş</translation>
        </message>
        <message>
            <source>%1 units too tall</source>
            <translation>%1 birim fazla yüksek</translation>
        </message>
        <message>
            <source>%1 too long</source>
            <translation>%1 fazla uzun</translation>
        </message>
        <message>
            <source>%1 too wide</source>
            <translation>%1 fazla geniş</translation>
        </message>
        <message>
            <source>%1 too tall</source>
            <translation>%1 fazla yüksek</translation>
        </message>
        <message>
            <source>%1 back</source>
            <translation>geri %1</translation>
        </message>
        <message>
            <source>%1 forward</source>
            <translation>ileri %1</translation>
        </message>
        <message>
            <source>%1 to the right</source>
            <translation>sağa %1</translation>
        </message>
        <message>
            <source>%1 to the left</source>
            <translation>sola %1</translation>
        </message>
        <message>
            <source>%1 down</source>
            <translation>aşağı %1</translation>
        </message>
        <message>
            <source>%1 up</source>
            <translation>yukarı %1</translation>
        </message>
        <message>
            <source>%1 for servers, which allow %2</source>
            <translation>%1 (sunucuların izin verdiği: %2)</translation>
        </message>
        <message>
            <source>within the box servers allow for %1, %2</source>
            <translation>sunucuların %1 için izin verdiği kutunun içinde, %2</translation>
        </message>
        <message>
            <source>no server checks %1</source>
            <translation>hiçbir sunucu %1 dosyasını denetlemez</translation>
        </message>
        <message>
            <source>As %1, servers accept it: it is %2.</source>
            <translation>%1 adıyla sunucular bunu kabul eder: %2.</translation>
        </message>
        <message>
            <source>As %1, servers refuse it: it is %2. A server that enforces file consistency, as servers do unless told otherwise, drops a player who uses it.</source>
            <translation>%1 adıyla sunucular bunu reddeder: %2. Dosya tutarlılığını zorunlu kılan bir sunucu (sahibi kapatmadıkça sunucular bunu yapar) bu dosyayı kullanan oyuncuyu oyundan atar.</translation>
        </message>
        <message>
            <source>No server checks a file named %1.</source>
            <translation>Hiçbir sunucu %1 adlı bir dosyayı denetlemez.</translation>
        </message>
        <message>
            <source>As %1, whether servers accept it cannot be told: %2.</source>
            <translation>%1 adıyla sunucuların bunu kabul edip etmeyeceği bilinemiyor: %2.</translation>
        </message>
        <message>
            <source>Servers measure its box as %1.
%2</source>
            <translation>Sunucuların ölçtüğü kutu: %1.
%2</translation>
        </message>
        <message>
            <source>Servers will refuse this model: it is larger than they allow.

%1 of the model "%2" is %3. Servers that enforce file consistency, as they do unless told otherwise, drop a player who uses it while connecting.

Install it all the same?</source>
            <translation>Sunucular bu modeli reddedecek: model, izin verdiklerinden büyük.

"%2" modelinin %1 dosyası %3. Dosya tutarlılığını zorunlu kılan sunucular (sahibi kapatmadıkça bunu yaparlar), bu dosyayı kullanan oyuncuyu bağlanırken oyundan atar.

Yine de yüklensin mi?</translation>
        </message>
        <message>
            <source>the box servers allow for a player model, as none checks %1</source>
            <translation>hiçbir sunucu %1 dosyasını denetlemediği için, sunucuların bir oyuncu modeline izin verdiği kutu</translation>
        </message>
        <message>
            <source>the box servers allow for %1</source>
            <translation>sunucuların %1 için izin verdiği kutu</translation>
        </message>
        <message>
            <source>the box servers allow for %1, as none checks %2</source>
            <translation>hiçbir sunucu %2 dosyasını denetlemediği için, sunucuların %1 için izin verdiği kutu</translation>
        </message>
        <message>
            <source>another program</source>
            <translation>başka bir program</translation>
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
            <translation>%1 dosyasını şu program açık tutuyor: %2; programı kapatıp yeniden deneyin</translation>
        </message>
    </context>
    <context>
        <name>ui::BackupWindow</name>
        <message>
            <source>Weapon models</source>
            <translation>Silah modelleri</translation>
        </message>
        <message>
            <source>Backing up weapon models...</source>
            <translation>Silah modelleri yedekleniyor...</translation>
        </message>
        <message>
            <source>Weapon model backup complete.</source>
            <translation>Silah modelleri yedeklendi.</translation>
        </message>
        <message>
            <source>Player models</source>
            <translation>Oyuncu modelleri</translation>
        </message>
        <message>
            <source>Backing up player models</source>
            <translation>Oyuncu modelleri yedekleniyor</translation>
        </message>
        <message>
            <source>Player model backup complete.</source>
            <translation>Oyuncu modelleri yedeklendi.</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>Yedekle</translation>
        </message>
        <message>
            <source>Type in a name for the backups and click backup</source>
            <translation>Yedekler için bir ad yazın ve Yedekle'ye tıklayın</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Yedekle</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;Tamam</translation>
        </message>
    </context>
    <context>
        <name>ui::CheckWindow</name>
        <message>
            <source>accepted</source>
            <translation>kabul edilir</translation>
        </message>
        <message>
            <source>refused</source>
            <translation>reddedilir</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>denetlenmez</translation>
        </message>
        <message>
            <source>cannot tell</source>
            <translation>bilinemez</translation>
        </message>
        <message>
            <source>backup set %1</source>
            <translation>%1 yedeği</translation>
        </message>
        <message>
            <source>model %1</source>
            <translation>%1 modeli</translation>
        </message>
        <message>
            <source>it cannot be read: %1</source>
            <translation>okunamıyor: %1</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>model dosyası değil</translation>
        </message>
        <message>
            <source>with its model</source>
            <translation>modeliyle birlikte</translation>
        </message>
        <message>
            <source>it holds %1</source>
            <translation>içeriği: %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>evet</translation>
        </message>
        <message>
            <source>no: %1</source>
            <translation>hayır: %1</translation>
        </message>
        <message>
            <source>library</source>
            <translation>kitaplık</translation>
        </message>
        <message>
            <source>game</source>
            <translation>oyun</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%2 modelindeki %1</translation>
        </message>
        <message>
            <source>the game's %1</source>
            <translation>oyundaki %1</translation>
        </message>
        <message>
            <source>Check</source>
            <translation>Denetim</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>Resim</translation>
        </message>
        <message>
            <source>Where</source>
            <translation>Yer</translation>
        </message>
        <message>
            <source>Type or weapon</source>
            <translation>Tür veya silah</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Model</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Dosya</translation>
        </message>
        <message>
            <source>Game loads it</source>
            <translation>Oyun yükler</translation>
        </message>
        <message>
            <source>Servers</source>
            <translation>Sunucular</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Neden</translation>
        </message>
        <message>
            <source>Box measured</source>
            <translation>Ölçülen kutu</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;Tamam</translation>
        </message>
        <message>
            <source>%1 is %2</source>
            <translation>%1 (%2)</translation>
        </message>
        <message>
            <source>Servers will refuse none of these files.</source>
            <translation>Sunucular bu dosyaların hiçbirini reddetmeyecek.</translation>
        </message>
        <message>
            <source>The game loads every one of them.</source>
            <translation>Oyun hepsini yükler.</translation>
        </message>
        <message>
            <source>None of the game's files is from the library or a backup set.</source>
            <translation>Oyunun dosyalarından hiçbiri kitaplıktan ya da bir yedekten gelmiyor.</translation>
        </message>
        <message>
            <source>In the game now: %1.</source>
            <translation>Şu an oyunda: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%1 and %n more</source>
            <translation>
                <numerusform>%1 ve %n tane daha</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Reading %1 of %n files...</source>
            <translation>
                <numerusform>Dosyalar okunuyor: %1 / %n...</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n files checked.</source>
            <translation>
                <numerusform>%n dosya denetlendi.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Servers will refuse %n files: %1.</source>
            <translation>
                <numerusform>Sunucular %n dosyayı reddedecek: %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The game cannot load %n files: %1.</source>
            <translation>
                <numerusform>Oyun %n dosyayı yükleyemez: %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ui::ImportWindow</name>
        <message>
            <source>The game uses no file of this name: right-click it to import it as one of the game's models.</source>
            <translation>Oyun bu adda bir dosya kullanmıyor: oyunun modellerinden biri olarak içe aktarmak için dosyaya sağ tıklayın.</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;Tamam</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>İçe &amp;aktar</translation>
        </message>
        <message>
            <source>Import as</source>
            <translation>Şu olarak içe aktar</translation>
        </message>
        <message>
            <source> imported</source>
            <translation> içe aktarıldı</translation>
        </message>
    </context>
    <context>
        <name>ui::InstallWindow</name>
        <message>
            <source>&amp;Install</source>
            <translation>&amp;Yükle</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;Tamam</translation>
        </message>
        <message>
            <source>Select the model you would like to install and click install.</source>
            <translation>Yüklemek istediğiniz modeli seçin ve Yükle'ye tıklayın.</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>Ö&amp;nizle</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerImportWindow</name>
        <message>
            <source>Import Player Model</source>
            <translation>Oyuncu Modeli İçe Aktar</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
            <translation>İçe aktarılacak dosyayı bulup seçin. Sonra onu tanımlayacak bir ad yazın ve İçe Aktar'a tıklayın.</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerInstallWindow</name>
        <message>
            <source>Install Player Model</source>
            <translation>Oyuncu Modeli Yükle</translation>
        </message>
        <message>
            <source>Backup %1 installed</source>
            <translation>%1 yedeği yüklendi</translation>
        </message>
        <message>
            <source>%1 model %2 installed</source>
            <translation>%1 için %2 modeli yüklendi</translation>
        </message>
    </context>
    <context>
        <name>ui::RestoreControls</name>
        <message>
            <source>Install Backup</source>
            <translation>Yedeği Yükle</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Yükle</translation>
        </message>
    </context>
    <context>
        <name>ui::SourceBrowser</name>
        <message>
            <source>&amp;Preview</source>
            <translation>Ö&amp;nizle</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponImportWindow</name>
        <message>
            <source>Import Weapon Model</source>
            <translation>Silah Modeli İçe Aktar</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
            <translation>İçe aktarılacak dosyayı bulup seçin. Sonra onu tanımlayacak bir açıklama yazın ve İçe Aktar'a tıklayın.</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponInstallWindow</name>
        <message>
            <source>Install Weapon Model</source>
            <translation>Silah Modeli Yükle</translation>
        </message>
        <message>
            <source>Backup install complete</source>
            <translation>Yedek yüklendi</translation>
        </message>
        <message>
            <source>Install Left Model</source>
            <translation>Sol Model</translation>
        </message>
        <message>
            <source>Install Right Model</source>
            <translation>Sağ Model</translation>
        </message>
        <message>
            <source>Install W Model</source>
            <translation>W Modeli</translation>
        </message>
        <message>
            <source>Install P Model</source>
            <translation>P Modeli</translation>
        </message>
        <message>
            <source>Install Complete</source>
            <translation>Yükleme tamamlandı</translation>
        </message>
    </context>
    <context>
        <name>viewer::ChoicePanel</name>
        <message>
            <source>Body parts and skins</source>
            <translation>Vücut parçaları ve kaplamalar</translation>
        </message>
        <message>
            <source>Family %1</source>
            <translation>Aile %1</translation>
        </message>
        <message>
            <source>S&amp;kin</source>
            <translation>Ka&amp;plama</translation>
        </message>
    </context>
    <context>
        <name>viewer::SequencePanel</name>
        <message>
            <source>Se&amp;quences</source>
            <translation>&amp;Sekanslar</translation>
        </message>
        <message>
            <source>Pre&amp;v</source>
            <translation>Ön&amp;ceki</translation>
        </message>
        <message>
            <source>&amp;Play</source>
            <translation>Oyna&amp;t</translation>
        </message>
        <message>
            <source>Ne&amp;xt</source>
            <translation>So&amp;nraki</translation>
        </message>
        <message>
            <source>Reference pose</source>
            <translation>Referans pozu</translation>
        </message>
        <message>
            <source>%1 (%2 frames at %3 fps%4)</source>
            <translation>%1 (%2 kare, %3 fps%4)</translation>
        </message>
        <message>
            <source>, looping</source>
            <translation>, döngülü</translation>
        </message>
        <message>
            <source>The frame before (comma in the picture)</source>
            <translation>Önceki kare (resimdeyken virgül)</translation>
        </message>
        <message>
            <source>Plays or pauses the sequence (Space in the picture)</source>
            <translation>Sekansı oynatır ya da duraklatır (resimdeyken Space)</translation>
        </message>
        <message>
            <source>The frame after (full stop in the picture)</source>
            <translation>Sonraki kare (resimdeyken nokta)</translation>
        </message>
        <message>
            <source>Fra&amp;me</source>
            <translation>Ka&amp;re</translation>
        </message>
        <message>
            <source>Mixes the sequence's blend sets, as the game does to aim</source>
            <translation>Sekansın harman setlerini, oyunun nişan alırken yaptığı gibi karıştırır</translation>
        </message>
        <message>
            <source>B&amp;lend</source>
            <translation>&amp;Harman</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>Durakla&amp;t</translation>
        </message>
        <message>
            <source>Frame %1 of %2</source>
            <translation>Kare %1 / %2</translation>
        </message>
        <message>
            <source>The pose the model was made in</source>
            <translation>Modelin yapıldığı poz</translation>
        </message>
        <message>
            <source>%1, from %2 to %3</source>
            <translation>%1, %2 ile %3 arası</translation>
        </message>
    </context>
    <context>
        <name>viewer::ServerPanel</name>
        <message>
            <source>On servers</source>
            <translation>Sunucularda</translation>
        </message>
        <message>
            <source>Server b&amp;ox</source>
            <translation>Sunu&amp;cu kutusu</translation>
        </message>
        <message>
            <source>Pla&amp;yer size</source>
            <translation>O&amp;yuncu boyutu</translation>
        </message>
        <message>
            <source>Draws the box servers allow and the box they measure, and in red where the model reaches beyond</source>
            <translation>Sunucuların izin verdiği kutuyu, ölçtükleri kutuyu ve kırmızıyla modelin izin verilen kutudan taştığı yeri çizer</translation>
        </message>
        <message>
            <source>Draws the hull the game moves a player by and hits him in</source>
            <translation>Oyunun oyuncuyu hareket ettirdiği ve vurduğu gövde hacmini çizer</translation>
        </message>
        <message>
            <source>Green: %1. What servers measure cannot be told.</source>
            <translation>Yeşil: %1. Sunucuların ne ölçeceği bilinemiyor.</translation>
        </message>
        <message>
            <source>Green: %1; held against it, the model is %2. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Yeşil: %1; bu kutuya göre model %2. Sarı: sunucuların ölçeceği kutu. Kırmızı: modelin yeşil kutunun dışına taştığı yer.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Yeşil: %1. Sarı: sunucuların ölçeceği kutu. Kırmızı: modelin yeşil kutunun dışına taştığı yer.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers measure. Red: where the model reaches beyond the green box.</source>
            <translation>Yeşil: %1. Sarı: sunucuların ölçtüğü kutu. Kırmızı: modelin yeşil kutunun dışına taştığı yer.</translation>
        </message>
        <message>
            <source>Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × 32 × 36; both centred on the model's origin, as the game centres them.</source>
            <translation>Camgöbeği: oyuncunun ayaktayken gövde hacmi, 32 × 32 × 72 birim; mor: çömelmişken, 32 × 32 × 36; ikisi de oyunun yaptığı gibi modelin orijinine ortalanır.</translation>
        </message>
    </context>
    <context>
        <name>viewer::TextureBrowser</name>
        <message>
            <source>masked</source>
            <translation>maskeli</translation>
        </message>
        <message>
            <source>chrome</source>
            <translation>krom</translation>
        </message>
        <message>
            <source>full bright</source>
            <translation>tam parlak</translation>
        </message>
        <message>
            <source>additive</source>
            <translation>eklemeli</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Ad</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Boyut</translation>
        </message>
        <message>
            <source>Flags</source>
            <translation>Özellikler</translation>
        </message>
        <message>
            <source>The texture's 256 colours, row by row from index 0</source>
            <translation>Dokunun 256 rengi, 0 numaralı renkten başlayarak satır satır</translation>
        </message>
        <message>
            <source>&amp;Fit to the view</source>
            <translation>&amp;Görünüme sığdır</translation>
        </message>
        <message>
            <source>Shows the texture as large as fits, else at one pixel a texel</source>
            <translation>Dokuyu sığdığı kadar büyük gösterir; işaretli değilse her texel bir piksel olur</translation>
        </message>
        <message>
            <source>Save t&amp;exture...</source>
            <translation>Dokuyu kayd&amp;et...</translation>
        </message>
        <message>
            <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
            <translation>Dokuyu paletiyle birlikte 8 bit BMP ya da PNG olarak kaydeder</translation>
        </message>
        <message>
            <source>Palette</source>
            <translation>Palet</translation>
        </message>
        <message>
            <source>%1 was saved as %2.</source>
            <translation>%1, %2 olarak kaydedildi.</translation>
        </message>
        <message>
            <source>%1 could not be saved as %2: %3.</source>
            <translation>%1, %2 olarak kaydedilemedi: %3.</translation>
        </message>
        <message>
            <source>8-bit BMP with its palette (*.bmp)</source>
            <translation>Paletli 8 bit BMP (*.bmp)</translation>
        </message>
        <message>
            <source>PNG (*.png)</source>
            <translation>PNG (*.png)</translation>
        </message>
        <message>
            <source>Save texture</source>
            <translation>Dokuyu kaydet</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewPanel</name>
        <message>
            <source>View</source>
            <translation>Görünüm</translation>
        </message>
        <message>
            <source>&amp;Textures</source>
            <translation>D&amp;okular</translation>
        </message>
        <message>
            <source>&amp;Wireframe</source>
            <translation>Te&amp;l kafes</translation>
        </message>
        <message>
            <source>&amp;Bones</source>
            <translation>&amp;Kemikler</translation>
        </message>
        <message>
            <source>&amp;Ground</source>
            <translation>&amp;Zemin</translation>
        </message>
        <message>
            <source>F&amp;irst person</source>
            <translation>&amp;Birinci şahıs</translation>
        </message>
        <message>
            <source>Sees the model from its origin along its front, as the game shows a weapon in the player's hands</source>
            <translation>Modele orijininden, önüne doğru bakar; oyun da oyuncunun elindeki silahı böyle gösterir</translation>
        </message>
        <message>
            <source>Ba&amp;ckground...</source>
            <translation>&amp;Arka plan...</translation>
        </message>
        <message>
            <source>&amp;Reset view</source>
            <translation>Sı&amp;fırla</translation>
        </message>
        <message>
            <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
            <translation>Modeli yeniden çerçeveler ya da göz noktasına döner (resimdeyken Home)</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>Resmi ka&amp;ydet...</translation>
        </message>
        <message>
            <source>Saves the picture as PNG (Ctrl+S)</source>
            <translation>Resmi PNG olarak kaydeder (Ctrl+S)</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewerWindow</name>
        <message>
            <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
            <translation>Modeli döndürmek için sol fare düğmesiyle, taşımak için sağ düğmeyle sürükleyin; tekerlek modeli yaklaştırır. Klavye odağı resimdeyken: ok tuşları modeli döndürür, Shift ile ok tuşları taşır, + ve - yaklaştırıp uzaklaştırır, Home görünümü başa döndürür. Birinci şahıs görünümde bakış gözde kalır. Space bir sekansı oynatır ya da duraklatır, virgül ve nokta birer kare geri ya da ileri gider. Ctrl+S resmi kaydeder, Escape pencereyi kapatır.</translation>
        </message>
        <message>
            <source>Tessary model viewer</source>
            <translation>Tessary model görüntüleyici</translation>
        </message>
        <message>
            <source>Mo&amp;del</source>
            <translation>&amp;Model</translation>
        </message>
        <message>
            <source>Open a model with File → Open, or drop a .mdl file here.</source>
            <translation>Dosya → Aç ile bir model açın ya da buraya bir .mdl dosyası bırakın.</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Dosya</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Aç...</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>Resmi ka&amp;ydet...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Çı&amp;kış</translation>
        </message>
        <message>
            <source>Open model</source>
            <translation>Model aç</translation>
        </message>
        <message>
            <source>Model files (*.mdl);;All files (*)</source>
            <translation>Model dosyaları (*.mdl);;Tüm dosyalar (*)</translation>
        </message>
        <message>
            <source>%1 — %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>The file could not be read.</source>
            <translation>Dosya okunamadı.</translation>
        </message>
        <message>
            <source>%1 cannot be shown.</source>
            <translation>%1 gösterilemiyor.</translation>
        </message>
        <message>
            <source>Text&amp;ures</source>
            <translation>Dok&amp;ular</translation>
        </message>
        <message>
            <source>%1 holds textures only.</source>
            <translation>%1 yalnızca doku içeriyor.</translation>
        </message>
        <message>
            <source>%1 holds the textures of the model %2.</source>
            <translation>%1, %2 modelinin dokularını içeriyor.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
            <translation>%1 başka bir modelin sekansları için animasyon içeriyor; çizilecek bir şey yok.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
            <translation>%1, %2 modelinin sekansları için animasyon içeriyor; çizilecek bir şey yok, bu sekansları %2 oynatır.</translation>
        </message>
        <message>
            <source>&amp;Open %1</source>
            <translation>%1 dosyasını &amp;aç</translation>
        </message>
        <message>
            <source>%1 is not in the same folder.</source>
            <translation>%1 aynı klasörde değil.</translation>
        </message>
        <message>
            <source>About the model</source>
            <translation>Model hakkında</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Arka plan rengi</translation>
        </message>
        <message>
            <source>The picture was saved as %1.</source>
            <translation>Resim %1 olarak kaydedildi.</translation>
        </message>
        <message>
            <source>The picture could not be saved as %1.</source>
            <translation>Resim %1 olarak kaydedilemedi.</translation>
        </message>
        <message>
            <source>Save picture</source>
            <translation>Resmi kaydet</translation>
        </message>
        <message>
            <source>PNG pictures (*.png)</source>
            <translation>PNG resimleri (*.png)</translation>
        </message>
    </context>
</TS>
