<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
    <context>
        <name>ModelTip</name>
        <message>
            <source>It cannot be read: %1.</source>
            <translation>Não foi possível ler o arquivo: %1.</translation>
        </message>
        <message>
            <source>It is not a model file.</source>
            <translation>Não é um arquivo de modelo.</translation>
        </message>
        <message>
            <source>The game cannot load it: %1.</source>
            <translation>O jogo não consegue carregá-lo: %1.</translation>
        </message>
        <message>
            <source>Servers accept it.</source>
            <translation>Os servidores o aceitam.</translation>
        </message>
        <message>
            <source>Servers refuse it: it is %1.</source>
            <translation>Os servidores o recusam: ele é %1.</translation>
        </message>
        <message>
            <source>No server checks it.</source>
            <translation>Nenhum servidor o verifica.</translation>
        </message>
        <message>
            <source>Whether servers accept it cannot be told: %1.</source>
            <translation>Não é possível saber se os servidores o aceitam: %1.</translation>
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
            <translation>Este aplicativo foi feito para ajudar quem gosta de usar modelos personalizados e precisa de um jeito de organizá-los.</translation>
        </message>
        <message>
            <source>&amp;System Info...</source>
            <translation>Info. &amp;sistema...</translation>
        </message>
        <message>
            <source>Version %1.%2.%3</source>
            <translation>Versão %1.%2.%3</translation>
        </message>
        <message>
            <source>About %1</source>
            <translation>Sobre o %1</translation>
        </message>
    </context>
    <context>
        <name>app::MainWindow</name>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Arquivo</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>&amp;Sair</translation>
        </message>
        <message>
            <source>&amp;Model</source>
            <translation>&amp;Modelo</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Backup</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Importar</translation>
        </message>
        <message>
            <source>&amp;Player</source>
            <translation>&amp;Jogador</translation>
        </message>
        <message>
            <source>&amp;Weapon</source>
            <translation>&amp;Arma</translation>
        </message>
        <message>
            <source>I&amp;nstall</source>
            <translation>I&amp;nstalar</translation>
        </message>
        <message>
            <source>Player Model</source>
            <translation>Jogador</translation>
        </message>
        <message>
            <source>Weapon Model</source>
            <translation>Arma</translation>
        </message>
        <message>
            <source>&amp;Check</source>
            <translation>&amp;Verificar</translation>
        </message>
        <message>
            <source>&amp;Help</source>
            <translation>A&amp;juda</translation>
        </message>
        <message>
            <source>&amp;Readme</source>
            <translation>&amp;Leia-me</translation>
        </message>
        <message>
            <source>&amp;About</source>
            <translation>&amp;Sobre</translation>
        </message>
        <message>
            <source>&amp;Language</source>
            <translation>&amp;Idioma</translation>
        </message>
        <message>
            <source>System language</source>
            <translation>Idioma do sistema</translation>
        </message>
        <message>
            <source>Tessary speaks the language chosen at once.</source>
            <translation>O Tessary passa a usar o idioma escolhido na mesma hora.</translation>
        </message>
    </context>
    <context>
        <name>app::ReadmeWindow</name>
        <message>
            <source>Readme</source>
            <translation>Leia-me</translation>
        </message>
        <message>
            <source>&amp;Close</source>
            <translation>&amp;Fechar</translation>
        </message>
    </context>
    <context>
        <name>archive</name>
        <message>
            <source>Two of the chosen files would both be %1.</source>
            <translation>Dois dos arquivos escolhidos ficariam com o mesmo nome: %1.</translation>
        </message>
        <message>
            <source>%1 exists already.</source>
            <translation>%1 já existe.</translation>
        </message>
        <message>
            <source>%1 in %2 could not be extracted to %3: %4.</source>
            <translation>Não foi possível extrair %1 de %2 para %3: %4.</translation>
        </message>
        <message>
            <source>its path is longer than %1 bytes</source>
            <translation>o caminho tem mais de %1 bytes</translation>
        </message>
        <message>
            <source>its path is more than %1 levels deep</source>
            <translation>o caminho tem mais de %1 níveis de profundidade</translation>
        </message>
        <message>
            <source>its path holds the name "%1", which Windows does not allow: %2</source>
            <translation>o caminho contém o nome "%1", que o Windows não permite: %2</translation>
        </message>
        <message>
            <source>it is larger than %1 MB</source>
            <translation>tem mais de %1 MB</translation>
        </message>
        <message>
            <source>%1 holds more than %2 entries, more than Tessary reads.</source>
            <translation>%1 contém mais de %2 entradas, mais do que o Tessary lê.</translation>
        </message>
        <message>
            <source>Tessary cannot read the files of %1 that a password protects.</source>
            <translation>O Tessary não consegue ler os arquivos de %1 que estão protegidos por senha.</translation>
        </message>
        <message>
            <source>%1 in %2 is larger than %3 MB.</source>
            <translation>%1 em %2 tem mais de %3 MB.</translation>
        </message>
        <message>
            <source>%1 has changed since Tessary listed it: %2 is no longer in it.</source>
            <translation>%1 mudou desde que o Tessary o listou: %2 não está mais nele.</translation>
        </message>
        <message>
            <source>%1 could not be opened: %2.</source>
            <translation>Não foi possível abrir %1: %2.</translation>
        </message>
        <message>
            <source>an earlier entry has the same name</source>
            <translation>uma entrada anterior tem o mesmo nome</translation>
        </message>
        <message>
            <source>%1 could not be read: there is too little memory.</source>
            <translation>Não foi possível ler %1: não há memória suficiente.</translation>
        </message>
        <message>
            <source>%1 is not a .zip, .rar or .7z archive that Tessary can read.</source>
            <translation>%1 não é um arquivo compactado .zip, .rar ou .7z que o Tessary consiga ler.</translation>
        </message>
        <message>
            <source>%1 is protected by a password, which Tessary cannot open.</source>
            <translation>%1 está protegido por senha, e o Tessary não consegue abri-lo.</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Não foi possível ler %1: %2.</translation>
        </message>
        <message>
            <source>%1 could not be read: it is damaged.</source>
            <translation>Não foi possível ler %1: ele está danificado.</translation>
        </message>
        <message>
            <source>its name cannot be read</source>
            <translation>não é possível ler o nome</translation>
        </message>
        <message>
            <source>its path is absolute</source>
            <translation>o caminho é absoluto</translation>
        </message>
        <message>
            <source>its path leads outside the folder it would be extracted to</source>
            <translation>o caminho leva para fora da pasta em que seria extraído</translation>
        </message>
        <message>
            <source>it is a link</source>
            <translation>é um link</translation>
        </message>
        <message>
            <source>it is not an ordinary file</source>
            <translation>não é um arquivo comum</translation>
        </message>
        <message>
            <source>it has no name</source>
            <translation>não tem nome</translation>
        </message>
        <message>
            <source>it is protected by a password</source>
            <translation>está protegido por senha</translation>
        </message>
        <message>
            <source>The files to take out of %1 are larger than %2 MB together, more than Tessary takes out at once.</source>
            <translation>Os arquivos a extrair de %1 somam mais de %2 MB, mais do que o Tessary extrai de uma vez.</translation>
        </message>
        <message>
            <source>Tessary leaves out these files of %1:</source>
            <translation>O Tessary deixa de fora estes arquivos de %1:</translation>
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
E mais %2.</translation>
        </message>
    </context>
    <context>
        <name>core</name>
        <message>
            <source>Please type in a name for the backup.</source>
            <translation>Digite um nome para o backup.</translation>
        </message>
        <message>
            <source>That name already exists.</source>
            <translation>Esse nome já existe.</translation>
        </message>
        <message>
            <source>%1 is a file where the backup needs a folder, so no backup was made.</source>
            <translation>%1 é um arquivo, mas o backup precisa de uma pasta nesse lugar, então nenhum backup foi feito.</translation>
        </message>
        <message>
            <source>The game's model folder %1 does not exist, so no backup was made.</source>
            <translation>A pasta de modelos do jogo, %1, não existe, então nenhum backup foi feito.</translation>
        </message>
        <message>
            <source>The game file %1 is missing, so no backup was made.</source>
            <translation>O arquivo do jogo %1 está faltando, então nenhum backup foi feito.</translation>
        </message>
        <message>
            <source>The game file %1 cannot be read (%2), so no backup was made.</source>
            <translation>Não é possível ler o arquivo do jogo %1 (%2), então nenhum backup foi feito.</translation>
        </message>
        <message>
            <source>The name "%1" could not be added to %2</source>
            <translation>Não foi possível adicionar o nome "%1" a %2</translation>
        </message>
        <message>
            <source>Please select a backup set before clicking install.</source>
            <translation>Selecione um backup antes de clicar em Instalar.</translation>
        </message>
        <message>
            <source>The backup set "%1" has lost its file %2, so nothing was restored.</source>
            <translation>O backup "%1" perdeu o arquivo %2, então nada foi restaurado.</translation>
        </message>
        <message>
            <source>Tessary could not make sure that the %1 is on the disk (%2), so it has undone it.</source>
            <translation>O Tessary não conseguiu garantir que a operação de %1 estivesse gravada no disco (%2), então a desfez.</translation>
        </message>
        <message>
            <source>%1; %2</source>
            <translation>%1; %2</translation>
        </message>
        <message>
            <source>%1 could not be put back (%2)</source>
            <translation>%1 não pôde ser devolvido ao lugar (%2)</translation>
        </message>
        <message>
            <source>%1 could not be removed (%2)</source>
            <translation>%1 não pôde ser removido (%2)</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it, so it changed nothing. The record is kept as %2; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>O Tessary encontrou o registro de uma alteração que não terminou, %1, mas não consegue lê-lo, então não alterou nada. O registro foi guardado como %2; os arquivos que a alteração guardou à parte se chamam .&lt;nome&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary found the record of a change it did not finish, %1, but cannot read it (%2), so it changed nothing. The record is kept as %3; files the change kept aside are named .&lt;name&gt;.tessary-old.</source>
            <translation>O Tessary encontrou o registro de uma alteração que não terminou, %1, mas não consegue lê-lo (%2), então não alterou nada. O registro foi guardado como %3; os arquivos que a alteração guardou à parte se chamam .&lt;nome&gt;.tessary-old.</translation>
        </message>
        <message>
            <source>Tessary was stopped as it finished the last %1; the %1 is complete.</source>
            <translation>O Tessary foi interrompido quando terminava a última operação de %1; essa operação de %1 está concluída.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, and cannot undo it yet: %2. It tries again at its next start, and changes no files until then.</source>
            <translation>O Tessary foi interrompido antes de terminar a última operação de %1 e ainda não consegue desfazê-la: %2. Ele tenta de novo na próxima vez que for iniciado e não altera nenhum arquivo até lá.</translation>
        </message>
        <message>
            <source>Tessary was stopped before it finished the last %1, so it has undone it: every file it had changed is as it was before.</source>
            <translation>O Tessary foi interrompido antes de terminar a última operação de %1, então a desfez: todos os arquivos que ela tinha alterado estão como antes.</translation>
        </message>
        <message>
            <source>%1</source>
            <translation>%1</translation>
        </message>
        <message>
            <source>Please select a file before clicking import</source>
            <translation>Selecione um arquivo antes de clicar em Importar</translation>
        </message>
        <message>
            <source>Please enter a name for the model</source>
            <translation>Digite um nome para o modelo</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: %3, so nothing was imported.</source>
            <translation>%1 não pode ser importado como %2: %3, então nada foi importado.</translation>
        </message>
        <message>
            <source>Please select a model before clicking install.</source>
            <translation>Selecione um modelo antes de clicar em Instalar.</translation>
        </message>
        <message>
            <source>%1 of the model "%2" was not installed: the game cannot load it (%3). Nothing was installed.</source>
            <translation>O arquivo %1 do modelo "%2" não foi instalado: o jogo não consegue carregá-lo (%3). Nada foi instalado.</translation>
        </message>
        <message>
            <source>the textures of %1</source>
            <translation>as texturas de %1</translation>
        </message>
        <message>
            <source>the animations of sequence group %1 of %2</source>
            <translation>as animações do grupo de sequências %1 de %2</translation>
        </message>
        <message>
            <source>%1 cannot be imported as %2: the game loads the animations of its sequence group %3 from %4, the path stored in the model, and under the new name it would have to be %5, so nothing was imported.</source>
            <translation>%1 não pode ser importado como %2: o jogo carrega as animações do grupo de sequências %3 dele de %4, o caminho gravado no modelo, e com o novo nome esse caminho teria de ser %5, então nada foi importado.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was imported.</source>
            <translation>%1 está faltando em %2: o jogo carrega %3 desse arquivo e para sem ele, então nada foi importado.</translation>
        </message>
        <message>
            <source>%1 is missing from %2: the game loads %3 from it and stops without it, so nothing was installed.</source>
            <translation>%1 está faltando em %2: o jogo carrega %3 desse arquivo e para sem ele, então nada foi instalado.</translation>
        </message>
        <message>
            <source>it needs %1 beside it, which is missing</source>
            <translation>precisa de %1 ao seu lado, que está faltando</translation>
        </message>
        <message>
            <source>it is no model (every model file starts with IDST), and the game stops on it</source>
            <translation>não é um modelo (todo arquivo de modelo começa com IDST), e o jogo para nele</translation>
        </message>
        <message>
            <source>RegKey not found!!</source>
            <translation>Chave de registro não encontrada!</translation>
        </message>
        <message>
            <source>The game's registry entry names no game folder, so Tessary cannot tell where the game is installed.</source>
            <translation>A entrada do jogo no registro não indica nenhuma pasta do jogo, então o Tessary não consegue saber onde o jogo está instalado.</translation>
        </message>
        <message>
            <source>The folder %1 could not be created: %2.</source>
            <translation>Não foi possível criar a pasta %1: %2.</translation>
        </message>
        <message>
            <source>That name cannot be a folder name: %1.</source>
            <translation>Esse nome não pode ser nome de pasta: %1.</translation>
        </message>
        <message>
            <source>%1 The model library was not created; mend the file and start Tessary again.</source>
            <translation>%1 A biblioteca de modelos não foi criada; corrija o arquivo e inicie o Tessary de novo.</translation>
        </message>
        <message>
            <source>%1, left by an earlier start, could not be removed: %2.</source>
            <translation>Não foi possível remover %1, que sobrou de uma execução anterior: %2.</translation>
        </message>
        <message>
            <source>The model library could not be put in place as %1: %2.</source>
            <translation>Não foi possível colocar a biblioteca de modelos no lugar, como %1: %2.</translation>
        </message>
        <message>
            <source>Tessary keeps its model library in the folder it is started from, %1, but it cannot write there (%2). Move the Tessary folder to a place of your own, such as your Documents folder, and start it from there.</source>
            <translation>O Tessary guarda a biblioteca de modelos na pasta de onde é iniciado, %1, mas não consegue gravar nela (%2). Mova a pasta do Tessary para uma pasta sua, como a pasta Documentos, e inicie o Tessary de lá.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", cannot be a folder name: %4.</source>
            <translation>A linha %1 de %2, "%3", não pode ser nome de pasta: %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", repeats line %4.</source>
            <translation>A linha %1 de %2, "%3", repete a linha %4.</translation>
        </message>
        <message>
            <source>Line %1 of %2, "%3", names a folder that Tessary makes itself.</source>
            <translation>A linha %1 de %2, "%3", é o nome de uma pasta que o próprio Tessary cria.</translation>
        </message>
        <message>
            <source>%1 could not be read from the program folder: %2.</source>
            <translation>Não foi possível ler %1 na pasta do programa: %2.</translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder ends its lines with LF alone, but Tessary reads a line as ending with CR LF (or CR), so it finds %n line(s) where it needs %2.</source>
            <translation>
                <numerusform>O %1 da pasta do programa termina as linhas só com LF, mas o Tessary entende que uma linha termina com CR LF (ou CR), então encontra %n linha onde precisa de %2.</numerusform>
                <numerusform>O %1 da pasta do programa termina as linhas só com LF, mas o Tessary entende que uma linha termina com CR LF (ou CR), então encontra %n linhas onde precisa de %2.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%1 in the program folder holds %n line(s), but Tessary needs %2.</source>
            <translation>
                <numerusform>O %1 da pasta do programa tem %n linha, mas o Tessary precisa de %2.</numerusform>
                <numerusform>O %1 da pasta do programa tem %n linhas, mas o Tessary precisa de %2.</numerusform>
            </translation>
        </message>
        <message>
            <source>readme.txt could not be read from the program folder: %1.</source>
            <translation>Não foi possível ler o readme.txt na pasta do programa: %1.</translation>
        </message>
        <message>
            <source>The model viewer %1 is missing, so Tessary cannot show the model. Unpack Tessary again to get it back.</source>
            <translation>O visualizador de modelos %1 está faltando, então o Tessary não consegue mostrar o modelo. Descompacte o Tessary de novo para recuperá-lo.</translation>
        </message>
        <message>
            <source>The model viewer %1 could not be started.</source>
            <translation>Não foi possível iniciar o visualizador de modelos %1.</translation>
        </message>
        <message>
            <source>No file selected.</source>
            <translation>Nenhum arquivo selecionado.</translation>
        </message>
        <message>
            <source>System Information Is Unavailable At This Time</source>
            <translation>As informações do sistema não estão disponíveis no momento</translation>
        </message>
        <message>
            <source>The folder %1, into which Tessary takes files out of archives, could not be cleared: %2.</source>
            <translation>Não foi possível esvaziar a pasta %1, para onde o Tessary extrai arquivos de arquivos compactados: %2.</translation>
        </message>
        <message>
            <source>%1, %2</source>
            <translation>%1, %2</translation>
        </message>
        <message>
            <source>%1 or %2</source>
            <translation>%1 ou %2</translation>
        </message>
        <message>
            <source>%1 no longer holds %2: the archive has changed since Tessary listed it.</source>
            <translation>%1 não contém mais %2: o arquivo compactado mudou desde que o Tessary o listou.</translation>
        </message>
        <message>
            <source>%1 holds no folder %2 any more.</source>
            <translation>%1 não contém mais a pasta %2.</translation>
        </message>
        <message>
            <source>The game is running (%1): it uses the new files only after it is restarted, and servers refuse changed files until then. Restart the game before you join a server.</source>
            <translation>O jogo está em execução (%1): ele só usará os novos arquivos depois de reiniciado, e até lá os servidores recusam arquivos alterados. Reinicie o jogo antes de entrar em um servidor.</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>%1 está faltando</translation>
        </message>
        <message>
            <source>%1 cannot be read: %2</source>
            <translation>não é possível ler %1: %2</translation>
        </message>
        <message>
            <source>a folder stands in its place</source>
            <translation>há uma pasta no lugar dele</translation>
        </message>
        <message>
            <source>%1, a file Tessary kept aside in an earlier change, is in the way; move it elsewhere first</source>
            <translation>%1, um arquivo que o Tessary guardou à parte numa alteração anterior, está no caminho; mova-o para outro lugar primeiro</translation>
        </message>
        <message>
            <source>a file of that name is there already</source>
            <translation>já existe ali um arquivo com esse nome</translation>
        </message>
        <message>
            <source>%1 The game files replaced before it were put back.</source>
            <translation>%1 Os arquivos do jogo substituídos antes dele foram devolvidos ao que eram.</translation>
        </message>
        <message>
            <source>%1 No game file was changed.</source>
            <translation>%1 Nenhum arquivo do jogo foi alterado.</translation>
        </message>
        <message>
            <source>%1 could not be copied to %2: %3.</source>
            <translation>Não foi possível copiar %1 para %2: %3.</translation>
        </message>
        <message>
            <source>The game file %1 was not replaced: %2.</source>
            <translation>O arquivo do jogo %1 não foi substituído: %2.</translation>
        </message>
        <message>
            <source>%1: %2.</source>
            <translation>%1: %2.</translation>
        </message>
        <message>
            <source>Tessary has not yet finished or undone an earlier change, whose record is %1, so it changes no files now. Start Tessary again to settle it.</source>
            <translation>O Tessary ainda não concluiu nem desfez uma alteração anterior, cujo registro é %1, então não altera nenhum arquivo agora. Inicie o Tessary de novo para resolvê-la.</translation>
        </message>
        <message>
            <source>Tessary could not write the record of the %1, %2, so it changed nothing: %3.</source>
            <translation>O Tessary não conseguiu gravar o registro da operação de %1, %2, então não alterou nada: %3.</translation>
        </message>
        <message>
            <source>Tessary could not make sure the record of the %1, %2, is on the disk, so it changed nothing: %3.</source>
            <translation>O Tessary não conseguiu garantir que o registro da operação de %1, %2, estivesse gravado no disco, então não alterou nada: %3.</translation>
        </message>
        <message>
            <source>Tessary could not undo all of it yet: %1. It tries again at its next start.</source>
            <translation>O Tessary ainda não conseguiu desfazer tudo: %1. Ele tenta de novo na próxima vez que for iniciado.</translation>
        </message>
        <message>
            <source>%1 cannot be opened: there is no such folder, or Tessary may not read it.</source>
            <translation>Não é possível abrir %1: essa pasta não existe ou o Tessary não tem permissão para lê-la.</translation>
        </message>
        <message>
            <source>install</source>
            <translation>instalação</translation>
        </message>
        <message>
            <source>restore</source>
            <translation>restauração</translation>
        </message>
        <message>
            <source>backup</source>
            <translation>backup</translation>
        </message>
        <message>
            <source>import</source>
            <translation>importação</translation>
        </message>
        <message>
            <source>Inavaild model name. The name of the model must match those that CS currently uses</source>
            <translation>Nome de modelo inválido. O nome do modelo precisa ser um dos que o CS usa atualmente</translation>
        </message>
        <message>
            <source>No model selected</source>
            <translation>Nenhum modelo selecionado</translation>
        </message>
        <message>
            <source>%1 could not be read: %2.</source>
            <translation>Não foi possível ler %1: %2.</translation>
        </message>
    </context>
    <context>
        <name>model</name>
        <message>
            <source>the game walks more than %1 words of its animation, more than Tessary follows</source>
            <translation>o jogo percorre mais de %1 palavras da animação, mais do que o Tessary acompanha</translation>
        </message>
        <message>
            <source>its body parts count %1 models together, more than the game can count</source>
            <translation>as partes do corpo somam %1 modelos, mais do que o jogo consegue contar</translation>
        </message>
        <message>
            <source>the game reads more than %1 vertices of its models, more than Tessary measures</source>
            <translation>o jogo lê mais de %1 vértices dos seus modelos, mais do que o Tessary mede</translation>
        </message>
        <message>
            <source>vertex %1 of %2 has a coordinate that is not a number</source>
            <translation>o vértice %1 de %2 tem uma coordenada que não é um número</translation>
        </message>
        <message>
            <source>bone %1 has a position value or scale that is not a finite number</source>
            <translation>o osso %1 tem um valor de posição ou de escala que não é um número finito</translation>
        </message>
        <message>
            <source>it counts %1 sequences, more than the %2 Tessary measures</source>
            <translation>tem %1 sequências, mais do que as %2 que o Tessary mede</translation>
        </message>
        <message>
            <source>%1 has %2 frames, more than the %3 Tessary measures</source>
            <translation>a sequência %1 tem %2 quadros, mais do que os %3 que o Tessary mede</translation>
        </message>
        <message>
            <source>the bones of %1 reach beyond the range of a float</source>
            <translation>os ossos da sequência %1 passam do alcance de um float</translation>
        </message>
        <message>
            <source>it is not a model file</source>
            <translation>não é um arquivo de modelo</translation>
        </message>
        <message>
            <source>the game does not load it (%1)</source>
            <translation>o jogo não o carrega (%1)</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>não é um modelo</translation>
        </message>
        <message>
            <source>%1 is not a sequence group file</source>
            <translation>%1 não é um arquivo de grupo de sequências</translation>
        </message>
        <message>
            <source>%1 is not a texture file of a model</source>
            <translation>%1 não é um arquivo de texturas de modelo</translation>
        </message>
        <message>
            <source>model version %1 is not supported</source>
            <translation>a versão de modelo %1 não é suportada</translation>
        </message>
        <message>
            <source>%1 has version %2, which is not supported</source>
            <translation>%1 tem a versão %2, que não é suportada</translation>
        </message>
        <message>
            <source>%1 is missing</source>
            <translation>%1 está faltando</translation>
        </message>
        <message>
            <source>%1 is a folder, not a model file</source>
            <translation>%1 é uma pasta, não um arquivo de modelo</translation>
        </message>
        <message>
            <source>%1 is not a regular file</source>
            <translation>%1 não é um arquivo comum</translation>
        </message>
        <message>
            <source>%1 is larger than %2 MiB, more than any model file</source>
            <translation>%1 tem mais de %2 MiB, mais do que qualquer arquivo de modelo</translation>
        </message>
        <message>
            <source>%1 cannot be read</source>
            <translation>não é possível ler %1</translation>
        </message>
        <message>
            <source>it is a sequence group file, which holds only animation of a model</source>
            <translation>é um arquivo de grupo de sequências, que contém só animações de um modelo</translation>
        </message>
        <message>
            <source>it is a texture file, which holds only the textures of a model</source>
            <translation>é um arquivo de texturas, que contém só as texturas de um modelo</translation>
        </message>
        <message>
            <source>it is a model of version %1, of a later engine: the game loads models of version 10 only</source>
            <translation>é um modelo da versão %1, de um motor mais novo: o jogo só carrega modelos da versão 10</translation>
        </message>
        <message>
            <source>it is a model of version %1: the game loads models of version 10 only</source>
            <translation>é um modelo da versão %1: o jogo só carrega modelos da versão 10</translation>
        </message>
        <message>
            <source>it ends after %1 bytes, inside the %2-byte header of a model</source>
            <translation>termina depois de %1 bytes, dentro do cabeçalho de %2 bytes de um modelo</translation>
        </message>
        <message>
            <source>it has %1 bones, more than the %2 the game can load</source>
            <translation>tem %1 ossos, mais do que os %2 que o jogo consegue carregar</translation>
        </message>
        <message>
            <source>the file</source>
            <translation>o arquivo</translation>
        </message>
        <message>
            <source>texture file %1 is missing</source>
            <translation>o arquivo de texturas %1 está faltando</translation>
        </message>
        <message>
            <source>texture file %1</source>
            <translation>o arquivo de texturas %1</translation>
        </message>
        <message>
            <source>sequence group file %1 is missing</source>
            <translation>o arquivo de grupo de sequências %1 está faltando</translation>
        </message>
        <message>
            <source>sequence group file %1</source>
            <translation>o arquivo de grupo de sequências %1</translation>
        </message>
        <message>
            <source>%1 is damaged: %2</source>
            <translation>%1 está danificado: %2</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies before the start of the file</source>
            <translation>o offset %1, onde o jogo lê %2, fica antes do início do arquivo</translation>
        </message>
        <message>
            <source>offset %1, where the game reads %2, lies past the end of the file (%3 bytes)</source>
            <translation>o offset %1, onde o jogo lê %2, fica depois do fim do arquivo (%3 bytes)</translation>
        </message>
        <message>
            <source>the %1 bytes at offset %2, where the game reads %3, reach past the end of the file (%4 bytes)</source>
            <translation>os %1 bytes no offset %2, onde o jogo lê %3, passam do fim do arquivo (%4 bytes)</translation>
        </message>
        <message>
            <source>%1 and %2</source>
            <translation>%1 e %2</translation>
        </message>
    </context>
    <context>
        <name>platform</name>
        <message>
            <source>Couldn't allocate console</source>
            <translation>Não foi possível alocar um console</translation>
        </message>
        <message>
            <source>Couldn't allocate STDOUT</source>
            <translation>Não foi possível alocar o STDOUT</translation>
        </message>
        <message>
            <source>it is empty</source>
            <translation>está vazio</translation>
        </message>
        <message>
            <source>it is longer than %1 bytes</source>
            <translation>tem mais de %1 bytes</translation>
        </message>
        <message>
            <source>it holds one of the characters \ / : * ? " &lt; &gt; |</source>
            <translation>contém um dos caracteres \ / : * ? " &lt; &gt; |</translation>
        </message>
        <message>
            <source>it holds a control character</source>
            <translation>contém um caractere de controle</translation>
        </message>
        <message>
            <source>it is "." or ".."</source>
            <translation>é "." ou ".."</translation>
        </message>
        <message>
            <source>it ends in a dot or a blank</source>
            <translation>termina em ponto ou espaço</translation>
        </message>
        <message>
            <source>it is a name Windows keeps for a device</source>
            <translation>é um nome que o Windows reserva para um dispositivo</translation>
        </message>
        <message>
            <source>%1, %2 and %3</source>
            <translation>%1, %2 e %3</translation>
        </message>
        <message>
            <source>(%1, %2, %3)</source>
            <translation>(%1; %2; %3)</translation>
        </message>
        <message>
            <source>%1 to %2</source>
            <translation>de %1 a %2</translation>
        </message>
        <message>
            <source>%1 units too long</source>
            <translation>comprido demais em %1 unidades</translation>
        </message>
        <message>
            <source>%1 units too wide</source>
            <translation>largo demais em %1 unidades</translation>
        </message>
        <message>
            <source>%1 units too tall</source>
            <translation>alto demais em %1 unidades</translation>
        </message>
        <message>
            <source>%1 too long</source>
            <translation>comprido demais em %1</translation>
        </message>
        <message>
            <source>%1 too wide</source>
            <translation>largo demais em %1</translation>
        </message>
        <message>
            <source>%1 too tall</source>
            <translation>alto demais em %1</translation>
        </message>
        <message>
            <source>%1 back</source>
            <translation>%1 para trás</translation>
        </message>
        <message>
            <source>%1 forward</source>
            <translation>%1 para a frente</translation>
        </message>
        <message>
            <source>%1 to the right</source>
            <translation>%1 para a direita</translation>
        </message>
        <message>
            <source>%1 to the left</source>
            <translation>%1 para a esquerda</translation>
        </message>
        <message>
            <source>%1 down</source>
            <translation>%1 para baixo</translation>
        </message>
        <message>
            <source>%1 up</source>
            <translation>%1 para cima</translation>
        </message>
        <message>
            <source>%1 for servers, which allow %2</source>
            <translation>%1 para os servidores, que permitem %2</translation>
        </message>
        <message>
            <source>within the box servers allow for %1, %2</source>
            <translation>dentro da caixa que os servidores permitem para %1, %2</translation>
        </message>
        <message>
            <source>no server checks %1</source>
            <translation>nenhum servidor verifica %1</translation>
        </message>
        <message>
            <source>As %1, servers accept it: it is %2.</source>
            <translation>Com o nome %1, os servidores o aceitam: ele está %2.</translation>
        </message>
        <message>
            <source>As %1, servers refuse it: it is %2. A server that enforces file consistency, as servers do unless told otherwise, drops a player who uses it.</source>
            <translation>Com o nome %1, os servidores o recusam: ele é %2. Um servidor que impõe a consistência de arquivos, como os servidores fazem a não ser que o dono desative, derruba o jogador que o usa.</translation>
        </message>
        <message>
            <source>No server checks a file named %1.</source>
            <translation>Nenhum servidor verifica um arquivo chamado %1.</translation>
        </message>
        <message>
            <source>As %1, whether servers accept it cannot be told: %2.</source>
            <translation>Com o nome %1, não é possível saber se os servidores o aceitam: %2.</translation>
        </message>
        <message>
            <source>Servers measure its box as %1.
%2</source>
            <translation>A caixa que os servidores medem nele vai %1.
%2</translation>
        </message>
        <message>
            <source>Servers will refuse this model: it is larger than they allow.

%1 of the model "%2" is %3. Servers that enforce file consistency, as they do unless told otherwise, drop a player who uses it while connecting.

Install it all the same?</source>
            <translation>Os servidores vão recusar este modelo: ele é maior do que eles permitem.

O arquivo %1 do modelo "%2" é %3. Os servidores que impõem a consistência de arquivos, como fazem a não ser que o dono desative, derrubam durante a conexão o jogador que o usa.

Instalar mesmo assim?</translation>
        </message>
        <message>
            <source>the box servers allow for a player model, as none checks %1</source>
            <translation>a caixa que os servidores permitem para um modelo de jogador, já que nenhum verifica %1</translation>
        </message>
        <message>
            <source>the box servers allow for %1</source>
            <translation>a caixa que os servidores permitem para %1</translation>
        </message>
        <message>
            <source>the box servers allow for %1, as none checks %2</source>
            <translation>a caixa que os servidores permitem para %1, já que nenhum verifica %2</translation>
        </message>
        <message>
            <source>another program</source>
            <translation>outro programa</translation>
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
            <translation>%1 está aberto por: %2; feche-o e tente de novo</translation>
        </message>
    </context>
    <context>
        <name>ui::BackupWindow</name>
        <message>
            <source>Weapon models</source>
            <translation>Armas</translation>
        </message>
        <message>
            <source>Backing up weapon models...</source>
            <translation>Fazendo backup dos modelos de armas...</translation>
        </message>
        <message>
            <source>Weapon model backup complete.</source>
            <translation>Backup dos modelos de armas concluído.</translation>
        </message>
        <message>
            <source>Player models</source>
            <translation>Jogadores</translation>
        </message>
        <message>
            <source>Backing up player models</source>
            <translation>Fazendo backup dos modelos de jogadores</translation>
        </message>
        <message>
            <source>Player model backup complete.</source>
            <translation>Backup dos modelos de jogadores concluído.</translation>
        </message>
        <message>
            <source>Backup</source>
            <translation>Fazer backup</translation>
        </message>
        <message>
            <source>Type in a name for the backups and click backup</source>
            <translation>Digite um nome para os backups e clique em Salvar</translation>
        </message>
        <message>
            <source>&amp;Backup</source>
            <translation>&amp;Salvar</translation>
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
            <translation>aceito</translation>
        </message>
        <message>
            <source>refused</source>
            <translation>recusado</translation>
        </message>
        <message>
            <source>not checked</source>
            <translation>não verificado</translation>
        </message>
        <message>
            <source>cannot tell</source>
            <translation>indeterminado</translation>
        </message>
        <message>
            <source>backup set %1</source>
            <translation>backup %1</translation>
        </message>
        <message>
            <source>model %1</source>
            <translation>modelo %1</translation>
        </message>
        <message>
            <source>it cannot be read: %1</source>
            <translation>não pôde ser lido: %1</translation>
        </message>
        <message>
            <source>not a model file</source>
            <translation>não é um modelo</translation>
        </message>
        <message>
            <source>with its model</source>
            <translation>com seu modelo</translation>
        </message>
        <message>
            <source>it holds %1</source>
            <translation>contém %1</translation>
        </message>
        <message>
            <source>yes</source>
            <translation>sim</translation>
        </message>
        <message>
            <source>no: %1</source>
            <translation>não: %1</translation>
        </message>
        <message>
            <source>library</source>
            <translation>biblioteca</translation>
        </message>
        <message>
            <source>game</source>
            <translation>jogo</translation>
        </message>
        <message>
            <source>%1 of %2</source>
            <translation>%1 de %2</translation>
        </message>
        <message>
            <source>the game's %1</source>
            <translation>%1 do jogo</translation>
        </message>
        <message>
            <source>Check</source>
            <translation>Verificação</translation>
        </message>
        <message>
            <source>Picture</source>
            <translation>Imagem</translation>
        </message>
        <message>
            <source>Where</source>
            <translation>Local</translation>
        </message>
        <message>
            <source>Type or weapon</source>
            <translation>Tipo ou arma</translation>
        </message>
        <message>
            <source>Model</source>
            <translation>Modelo</translation>
        </message>
        <message>
            <source>File</source>
            <translation>Arquivo</translation>
        </message>
        <message>
            <source>Game loads it</source>
            <translation>O jogo carrega</translation>
        </message>
        <message>
            <source>Servers</source>
            <translation>Servidores</translation>
        </message>
        <message>
            <source>Why</source>
            <translation>Motivo</translation>
        </message>
        <message>
            <source>Box measured</source>
            <translation>Caixa medida</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>%1 is %2</source>
            <translation>%1 é %2</translation>
        </message>
        <message>
            <source>Servers will refuse none of these files.</source>
            <translation>Os servidores não vão recusar nenhum destes arquivos.</translation>
        </message>
        <message>
            <source>The game loads every one of them.</source>
            <translation>O jogo carrega todos eles.</translation>
        </message>
        <message>
            <source>None of the game's files is from the library or a backup set.</source>
            <translation>Nenhum arquivo do jogo vem da biblioteca ou de um backup.</translation>
        </message>
        <message>
            <source>In the game now: %1.</source>
            <translation>No jogo agora: %1.</translation>
        </message>
        <message numerus="yes">
            <source>%1 and %n more</source>
            <translation>
                <numerusform>%1 e mais %n</numerusform>
                <numerusform>%1 e mais %n</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Reading %1 of %n files...</source>
            <translation>
                <numerusform>Lendo %1 de %n arquivo...</numerusform>
                <numerusform>Lendo %1 de %n arquivos...</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>%n files checked.</source>
            <translation>
                <numerusform>%n arquivo verificado.</numerusform>
                <numerusform>%n arquivos verificados.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>Servers will refuse %n files: %1.</source>
            <translation>
                <numerusform>Os servidores vão recusar %n arquivo: %1.</numerusform>
                <numerusform>Os servidores vão recusar %n arquivos: %1.</numerusform>
            </translation>
        </message>
        <message numerus="yes">
            <source>The game cannot load %n files: %1.</source>
            <translation>
                <numerusform>O jogo não consegue carregar %n arquivo: %1.</numerusform>
                <numerusform>O jogo não consegue carregar %n arquivos: %1.</numerusform>
            </translation>
        </message>
    </context>
    <context>
        <name>ui::ImportWindow</name>
        <message>
            <source>The game uses no file of this name: right-click it to import it as one of the game's models.</source>
            <translation>O jogo não usa nenhum arquivo com este nome: clique nele com o botão direito para importá-lo como um dos modelos do jogo.</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>&amp;Import</source>
            <translation>&amp;Importar</translation>
        </message>
        <message>
            <source>Import as</source>
            <translation>Importar como</translation>
        </message>
        <message>
            <source> imported</source>
            <translation> importado</translation>
        </message>
    </context>
    <context>
        <name>ui::InstallWindow</name>
        <message>
            <source>&amp;Install</source>
            <translation>&amp;Instalar</translation>
        </message>
        <message>
            <source>&amp;Ok</source>
            <translation>&amp;OK</translation>
        </message>
        <message>
            <source>Select the model you would like to install and click install.</source>
            <translation>Selecione o modelo a instalar e clique em Instalar.</translation>
        </message>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Visualizar</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerImportWindow</name>
        <message>
            <source>Import Player Model</source>
            <translation>Importar modelo de jogador</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
            <translation>Localize e selecione o arquivo a importar, digite um nome para identificá-lo e clique em Importar.</translation>
        </message>
    </context>
    <context>
        <name>ui::PlayerInstallWindow</name>
        <message>
            <source>Install Player Model</source>
            <translation>Instalar modelo de jogador</translation>
        </message>
        <message>
            <source>Backup %1 installed</source>
            <translation>Backup %1 instalado</translation>
        </message>
        <message>
            <source>%1 model %2 installed</source>
            <translation>%1: modelo %2 instalado</translation>
        </message>
    </context>
    <context>
        <name>ui::RestoreControls</name>
        <message>
            <source>Install Backup</source>
            <translation>Inst. backup</translation>
        </message>
        <message>
            <source>Install</source>
            <translation>Instalar</translation>
        </message>
    </context>
    <context>
        <name>ui::SourceBrowser</name>
        <message>
            <source>&amp;Preview</source>
            <translation>&amp;Visualizar</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponImportWindow</name>
        <message>
            <source>Import Weapon Model</source>
            <translation>Importar modelo de arma</translation>
        </message>
        <message>
            <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
            <translation>Localize e selecione o arquivo a importar, digite um comentário para identificá-lo e clique em Importar.</translation>
        </message>
    </context>
    <context>
        <name>ui::WeaponInstallWindow</name>
        <message>
            <source>Install Weapon Model</source>
            <translation>Instalar modelo de arma</translation>
        </message>
        <message>
            <source>Backup install complete</source>
            <translation>Backup instalado</translation>
        </message>
        <message>
            <source>Install Left Model</source>
            <translation>Modelo esquerdo</translation>
        </message>
        <message>
            <source>Install Right Model</source>
            <translation>Modelo direito</translation>
        </message>
        <message>
            <source>Install W Model</source>
            <translation>Modelo W</translation>
        </message>
        <message>
            <source>Install P Model</source>
            <translation>Modelo P</translation>
        </message>
        <message>
            <source>Install Complete</source>
            <translation>Instalação concluída</translation>
        </message>
    </context>
    <context>
        <name>viewer::ChoicePanel</name>
        <message>
            <source>Body parts and skins</source>
            <translation>Partes do corpo e skins</translation>
        </message>
        <message>
            <source>Family %1</source>
            <translation>Família %1</translation>
        </message>
        <message>
            <source>S&amp;kin</source>
            <translation>S&amp;kin</translation>
        </message>
    </context>
    <context>
        <name>viewer::SequencePanel</name>
        <message>
            <source>Se&amp;quences</source>
            <translation>Se&amp;quências</translation>
        </message>
        <message>
            <source>Pre&amp;v</source>
            <translation>Ante&amp;rior</translation>
        </message>
        <message>
            <source>&amp;Play</source>
            <translation>Re&amp;produzir</translation>
        </message>
        <message>
            <source>Ne&amp;xt</source>
            <translation>Pró&amp;ximo</translation>
        </message>
        <message>
            <source>Reference pose</source>
            <translation>Pose de referência</translation>
        </message>
        <message>
            <source>%1 (%2 frames at %3 fps%4)</source>
            <translation>%1 (%2 quadros a %3 fps%4)</translation>
        </message>
        <message>
            <source>, looping</source>
            <translation>, em loop</translation>
        </message>
        <message>
            <source>The frame before (comma in the picture)</source>
            <translation>O quadro anterior (vírgula na imagem)</translation>
        </message>
        <message>
            <source>Plays or pauses the sequence (Space in the picture)</source>
            <translation>Reproduz ou pausa a sequência (Space na imagem)</translation>
        </message>
        <message>
            <source>The frame after (full stop in the picture)</source>
            <translation>O quadro seguinte (ponto na imagem)</translation>
        </message>
        <message>
            <source>Fra&amp;me</source>
            <translation>Qua&amp;dro</translation>
        </message>
        <message>
            <source>Mixes the sequence's blend sets, as the game does to aim</source>
            <translation>Mistura os conjuntos de mescla da sequência, como o jogo faz para mirar</translation>
        </message>
        <message>
            <source>B&amp;lend</source>
            <translation>Mesc&amp;la</translation>
        </message>
        <message>
            <source>&amp;Pause</source>
            <translation>&amp;Pausar</translation>
        </message>
        <message>
            <source>Frame %1 of %2</source>
            <translation>Quadro %1 de %2</translation>
        </message>
        <message>
            <source>The pose the model was made in</source>
            <translation>A pose em que o modelo foi feito</translation>
        </message>
        <message>
            <source>%1, from %2 to %3</source>
            <translation>%1, de %2 a %3</translation>
        </message>
    </context>
    <context>
        <name>viewer::ServerPanel</name>
        <message>
            <source>On servers</source>
            <translation>Nos servidores</translation>
        </message>
        <message>
            <source>Server b&amp;ox</source>
            <translation>Caixa limit&amp;e</translation>
        </message>
        <message>
            <source>Pla&amp;yer size</source>
            <translation>Tam. &amp;jogador</translation>
        </message>
        <message>
            <source>Draws the box servers allow and the box they measure, and in red where the model reaches beyond</source>
            <translation>Desenha a caixa que os servidores permitem e a caixa que eles medem e, em vermelho, onde o modelo passa da permitida</translation>
        </message>
        <message>
            <source>Draws the hull the game moves a player by and hits him in</source>
            <translation>Desenha o volume com que o jogo move um jogador e em que ele é atingido</translation>
        </message>
        <message>
            <source>Green: %1. What servers measure cannot be told.</source>
            <translation>Verde: %1. Não é possível saber o que os servidores medem.</translation>
        </message>
        <message>
            <source>Green: %1; held against it, the model is %2. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Verde: %1; comparado a ela, o modelo é %2. Amarelo: a caixa que os servidores mediriam. Vermelho: onde o modelo passa da caixa verde.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers would measure. Red: where the model reaches beyond the green box.</source>
            <translation>Verde: %1. Amarelo: a caixa que os servidores mediriam. Vermelho: onde o modelo passa da caixa verde.</translation>
        </message>
        <message>
            <source>Green: %1. Yellow: the box servers measure. Red: where the model reaches beyond the green box.</source>
            <translation>Verde: %1. Amarelo: a caixa que os servidores medem. Vermelho: onde o modelo passa da caixa verde.</translation>
        </message>
        <message>
            <source>Cyan: the player's hull standing, 32 × 32 × 72 units; violet: crouched, 32 × 32 × 36; both centred on the model's origin, as the game centres them.</source>
            <translation>Ciano: o volume do jogador em pé, 32 × 32 × 72 unidades; violeta: agachado, 32 × 32 × 36; os dois centrados na origem do modelo, como o jogo os centra.</translation>
        </message>
    </context>
    <context>
        <name>viewer::TextureBrowser</name>
        <message>
            <source>masked</source>
            <translation>com máscara</translation>
        </message>
        <message>
            <source>chrome</source>
            <translation>cromada</translation>
        </message>
        <message>
            <source>full bright</source>
            <translation>brilho total</translation>
        </message>
        <message>
            <source>additive</source>
            <translation>aditiva</translation>
        </message>
        <message>
            <source>Name</source>
            <translation>Nome</translation>
        </message>
        <message>
            <source>Size</source>
            <translation>Tamanho</translation>
        </message>
        <message>
            <source>Flags</source>
            <translation>Atributos</translation>
        </message>
        <message>
            <source>The texture's 256 colours, row by row from index 0</source>
            <translation>As 256 cores da textura, linha por linha, a partir do índice 0</translation>
        </message>
        <message>
            <source>&amp;Fit to the view</source>
            <translation>A&amp;justar à área</translation>
        </message>
        <message>
            <source>Shows the texture as large as fits, else at one pixel a texel</source>
            <translation>Mostra a textura no maior tamanho que couber; desmarcado, um pixel por texel</translation>
        </message>
        <message>
            <source>Save t&amp;exture...</source>
            <translation>Salvar t&amp;extura...</translation>
        </message>
        <message>
            <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
            <translation>Salva a textura como BMP de 8 bits com sua paleta, ou como PNG</translation>
        </message>
        <message>
            <source>Palette</source>
            <translation>Paleta</translation>
        </message>
        <message>
            <source>%1 was saved as %2.</source>
            <translation>Textura %1 salva como %2.</translation>
        </message>
        <message>
            <source>%1 could not be saved as %2: %3.</source>
            <translation>Não foi possível salvar %1 como %2: %3.</translation>
        </message>
        <message>
            <source>8-bit BMP with its palette (*.bmp)</source>
            <translation>BMP de 8 bits com paleta (*.bmp)</translation>
        </message>
        <message>
            <source>PNG (*.png)</source>
            <translation>PNG (*.png)</translation>
        </message>
        <message>
            <source>Save texture</source>
            <translation>Salvar textura</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewPanel</name>
        <message>
            <source>View</source>
            <translation>Vista</translation>
        </message>
        <message>
            <source>&amp;Textures</source>
            <translation>&amp;Texturas</translation>
        </message>
        <message>
            <source>&amp;Wireframe</source>
            <translation>Mal&amp;ha</translation>
        </message>
        <message>
            <source>&amp;Bones</source>
            <translation>&amp;Ossos</translation>
        </message>
        <message>
            <source>&amp;Ground</source>
            <translation>&amp;Chão</translation>
        </message>
        <message>
            <source>F&amp;irst person</source>
            <translation>Pr&amp;imeira pessoa</translation>
        </message>
        <message>
            <source>Sees the model from its origin along its front, as the game shows a weapon in the player's hands</source>
            <translation>Vê o modelo a partir da origem, olhando para a frente dele, como o jogo mostra uma arma nas mãos do jogador</translation>
        </message>
        <message>
            <source>Ba&amp;ckground...</source>
            <translation>&amp;Fundo...</translation>
        </message>
        <message>
            <source>&amp;Reset view</source>
            <translation>Redefi&amp;nir</translation>
        </message>
        <message>
            <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
            <translation>Enquadra o modelo de novo ou volta ao olho (Home na imagem)</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>&amp;Salvar imagem...</translation>
        </message>
        <message>
            <source>Saves the picture as PNG (Ctrl+S)</source>
            <translation>Salva a imagem como PNG (Ctrl+S)</translation>
        </message>
    </context>
    <context>
        <name>viewer::ViewerWindow</name>
        <message>
            <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
            <translation>Arraste com o botão esquerdo do mouse para girar o modelo e com o botão direito para movê-lo; a roda do mouse o aproxima. Com o foco do teclado na imagem: as setas giram o modelo, Shift com as setas o move, + e - o aproximam e afastam, Home volta à vista inicial. Em primeira pessoa, a vista fica no olho. Space reproduz ou pausa uma sequência, vírgula e ponto voltam ou avançam um quadro. Ctrl+S salva a imagem, Escape fecha a janela.</translation>
        </message>
        <message>
            <source>Tessary model viewer</source>
            <translation>Visualizador de modelos do Tessary</translation>
        </message>
        <message>
            <source>Mo&amp;del</source>
            <translation>&amp;Modelo</translation>
        </message>
        <message>
            <source>Open a model with File → Open, or drop a .mdl file here.</source>
            <translation>Abra um modelo com Arquivo → Abrir ou solte um arquivo .mdl aqui.</translation>
        </message>
        <message>
            <source>&amp;File</source>
            <translation>&amp;Arquivo</translation>
        </message>
        <message>
            <source>&amp;Open...</source>
            <translation>&amp;Abrir...</translation>
        </message>
        <message>
            <source>&amp;Save picture...</source>
            <translation>&amp;Salvar imagem...</translation>
        </message>
        <message>
            <source>E&amp;xit</source>
            <translation>Sai&amp;r</translation>
        </message>
        <message>
            <source>Open model</source>
            <translation>Abrir modelo</translation>
        </message>
        <message>
            <source>Model files (*.mdl);;All files (*)</source>
            <translation>Arquivos de modelo (*.mdl);;Todos os arquivos (*)</translation>
        </message>
        <message>
            <source>%1 — %2</source>
            <translation>%1 — %2</translation>
        </message>
        <message>
            <source>The file could not be read.</source>
            <translation>Não foi possível ler o arquivo.</translation>
        </message>
        <message>
            <source>%1 cannot be shown.</source>
            <translation>Não é possível exibir %1.</translation>
        </message>
        <message>
            <source>Text&amp;ures</source>
            <translation>Text&amp;uras</translation>
        </message>
        <message>
            <source>%1 holds textures only.</source>
            <translation>%1 contém apenas texturas.</translation>
        </message>
        <message>
            <source>%1 holds the textures of the model %2.</source>
            <translation>%1 contém as texturas do modelo %2.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
            <translation>%1 contém animação para as sequências de outro modelo e nada para desenhar.</translation>
        </message>
        <message>
            <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
            <translation>%1 contém animação para as sequências do modelo %2 e nada para desenhar; é o %2 que as reproduz.</translation>
        </message>
        <message>
            <source>&amp;Open %1</source>
            <translation>A&amp;brir %1</translation>
        </message>
        <message>
            <source>%1 is not in the same folder.</source>
            <translation>%1 não está na mesma pasta.</translation>
        </message>
        <message>
            <source>About the model</source>
            <translation>Sobre o modelo</translation>
        </message>
        <message>
            <source>Background</source>
            <translation>Cor de fundo</translation>
        </message>
        <message>
            <source>The picture was saved as %1.</source>
            <translation>A imagem foi salva como %1.</translation>
        </message>
        <message>
            <source>The picture could not be saved as %1.</source>
            <translation>Não foi possível salvar a imagem como %1.</translation>
        </message>
        <message>
            <source>Save picture</source>
            <translation>Salvar imagem</translation>
        </message>
        <message>
            <source>PNG pictures (*.png)</source>
            <translation>Imagens PNG (*.png)</translation>
        </message>
    </context>
</TS>
