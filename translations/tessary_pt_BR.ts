<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>ModelTip</name>
    <message>
        <source>It cannot be read: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It is not a model file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game cannot load it: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers accept it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers refuse it: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No server checks it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whether servers accept it cannot be told: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::AboutWindow</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This application is intended to help those people that like to use custom models and need a way to organize them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version %1.%2.%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::MainWindow</name>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Weapon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I&amp;nstall</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weapon Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary speaks the language chosen at once.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>app::ReadmeWindow</name>
    <message>
        <source>Readme</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::BackupWindow</name>
    <message>
        <source>Weapon models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up weapon models...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weapon model backup complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backing up player models</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player model backup complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in a name for the backups and click backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::CheckWindow</name>
    <message>
        <source>accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>refused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>backup set %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>model %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a model file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with its model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the game&apos;s %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type or weapon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game loads it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Why</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box measured</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servers will refuse none of these files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The game loads every one of them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None of the game&apos;s files is from the library or a backup set.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In the game now: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Reading %1 of %n files...</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n files checked.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Servers will refuse %n files: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The game cannot load %n files: %1.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ui::ImportWindow</name>
    <message>
        <source>The game uses no file of this name: right-click it to import it as one of the game&apos;s models.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> imported</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::InstallWindow</name>
    <message>
        <source>&amp;Install</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select the model you would like to install and click install.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::PlayerImportWindow</name>
    <message>
        <source>Import Player Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate and select the file you would like to import. Then type in a name to identify it and click Import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::PlayerInstallWindow</name>
    <message>
        <source>Install Player Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup %1 installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 model %2 installed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::RestoreControls</name>
    <message>
        <source>Install Backup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::SourceBrowser</name>
    <message>
        <source>&amp;Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::WeaponImportWindow</name>
    <message>
        <source>Import Weapon Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Locate and select the file you would like to import. Then type in a comment to identify it and click Import.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ui::WeaponInstallWindow</name>
    <message>
        <source>Install Weapon Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Backup install complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Left Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Right Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install W Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install P Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Install Complete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>viewer::TextureBrowser</name>
    <message>
        <source>masked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>chrome</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>full bright</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>additive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flags</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The texture&apos;s 256 colours, row by row from index 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Fit to the view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the texture as large as fits, else at one pixel a texel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save t&amp;exture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the texture as an 8-bit BMP with its palette, or as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Palette</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was saved as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be saved as %2: %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8-bit BMP with its palette (*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save texture</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>viewer::ViewerWindow</name>
    <message>
        <source>Drag with the left mouse button to turn the model, with the right button to move it; the wheel brings it nearer. With the keyboard in the picture: the arrow keys turn it, Shift with the arrow keys moves it, + and - bring it nearer and further, Home puts the view back. Seen in the first person, the view stays at the eye. Space plays or pauses a sequence, comma and full stop step a frame. Ctrl+S saves the picture, Escape closes the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tessary model viewer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo&amp;del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a model with File → Open, or drop a .mdl file here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save picture...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model files (*.mdl);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be shown.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text&amp;ures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds textures only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the textures of the model %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds animation for the sequences of another model, and nothing to draw.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds animation for the sequences of the model %2, and nothing to draw; %2 plays them.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not in the same folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On servers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About the model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Se&amp;quences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference pose</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2 frames at %3 fps%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, looping</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pre&amp;v</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame before (comma in the picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plays or pauses the sequence (Space in the picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame after (full stop in the picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fra&amp;me</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mixes the sequence&apos;s blend sets, as the game does to aim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;lend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Family %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;kin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Body parts and skins</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Textures</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Wireframe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ground</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;irst person</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sees the model from its origin along its front, as the game shows a weapon in the player&apos;s hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ba&amp;ckground...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Reset view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames the model again, or goes back to the eye (Home in the picture)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saves the picture as PNG (Ctrl+S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, from %2 to %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The pose the model was made in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture was saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
