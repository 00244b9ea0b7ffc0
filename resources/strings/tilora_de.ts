<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="10">
        <source>Orvane - Tilora</source>
        <translation>Orvane - Tilora</translation>
    </message>
    <message id="30">
        <source>In order for the program to work, it is important that, your computer is installed with NT 4.0 and &quot;Servis Pack 3&quot; or with a higher version.</source>
        <translation>Damit das Programm funktioniert, muss auf Ihrem Computer NT 4.0 mit „Service Pack 3“ oder eine neuere Version installiert sein.</translation>
    </message>
    <message id="40">
        <source>Due to the error occured below, the program may not work! 
Are you sure you want to continue?</source>
        <translation>Wegen des unten genannten Fehlers funktioniert das Programm möglicherweise nicht! 
Möchten Sie wirklich fortfahren?</translation>
    </message>
    <message id="50">
        <source>Error Code :</source>
        <translation>Fehlercode:</translation>
    </message>
    <message id="60">
        <source>Error Message :</source>
        <translation>Fehlermeldung:</translation>
    </message>
    <message id="70">
        <source>Error Occured!</source>
        <translation>Ein Fehler ist aufgetreten!</translation>
    </message>
    <message id="100">
        <source>Completing Photo </source>
        <translation>Foto zusammensetzen </translation>
    </message>
    <message id="200">
        <source>Dividing Photo </source>
        <translation>Foto aufteilen </translation>
    </message>
    <message id="210">
        <source>&amp;3 x 3 Blocks </source>
        <translation>&amp;3 x 3 Teile </translation>
    </message>
    <message id="220">
        <source>&amp;4 x 4 Blocks </source>
        <translation>&amp;4 x 4 Teile </translation>
    </message>
    <message id="230">
        <source>&amp;5 x 5 Blocks </source>
        <translation>&amp;5 x 5 Teile </translation>
    </message>
    <message id="300">
        <source>Photo Sample </source>
        <translation>Vorlage </translation>
    </message>
    <message id="400">
        <source>Show ph&amp;oto sample </source>
        <translation>Vorlage an&amp;zeigen </translation>
    </message>
    <message id="410">
        <source>&amp;Save on exit </source>
        <translation>Beim Beenden &amp;speichern </translation>
    </message>
    <message id="420">
        <source>Sound o&amp;ff </source>
        <translation>&amp;Ton aus </translation>
    </message>
    <message id="500">
        <source>Game Information </source>
        <translation>Spielinformationen </translation>
    </message>
    <message id="510">
        <source>Remaining Time :</source>
        <translation>Spielzeit:</translation>
    </message>
    <message id="520">
        <source>Click Counts :</source>
        <translation>Klicks:</translation>
    </message>
    <message id="600">
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message id="700">
        <source>New &amp;Photo...</source>
        <translation>Neues &amp;Foto...</translation>
    </message>
    <message id="800">
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message id="900">
        <source>Exit (Esc)</source>
        <translation>Beenden (Esc)</translation>
    </message>
    <message id="1000">
        <source>Firstly, please select a photo!</source>
        <translation>Bitte wählen Sie zuerst ein Foto aus!</translation>
    </message>
    <message id="1100" numerus="yes">
        <source>%n hour, </source>
        <translation>
            <numerusform>%n Stunde, </numerusform>
            <numerusform>%n Stunden, </numerusform>
        </translation>
    </message>
    <message id="1200" numerus="yes">
        <source>%n minute, </source>
        <translation>
            <numerusform>%n Minute, </numerusform>
            <numerusform>%n Minuten, </numerusform>
        </translation>
    </message>
    <message id="1250" numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message id="1300">
        <source>Congratulations! You have completed the photo!</source>
        <translation>Herzlichen Glückwunsch! Sie haben das Foto zusammengesetzt!</translation>
    </message>
    <message id="1320">
        <source>Completing Time : </source>
        <translation>Benötigte Zeit: </translation>
    </message>
    <message id="1340">
        <source>Click Counts : </source>
        <translation>Klicks: </translation>
    </message>
    <message id="1400">
        <source>Resetting the counter, for games not completed within 24 hours!</source>
        <translation>Der Zähler wird zurückgesetzt, da das Spiel nicht innerhalb von 24 Stunden beendet wurde!</translation>
    </message>
    <message id="1500">
        <source>Do you want to exit the program?</source>
        <translation>Möchten Sie das Programm beenden?</translation>
    </message>
    <message id="1550">
        <source>Select Photo...</source>
        <translation>Foto auswählen...</translation>
    </message>
    <message id="1600">
        <source>Dri&amp;ver(s)</source>
        <translation>&amp;Laufwerk(e)</translation>
    </message>
    <message id="1700">
        <source>&amp;Directory(s)</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message id="1800">
        <source>&amp;Photos (*.bmp, *.jpg)</source>
        <translation>&amp;Fotos (*.bmp, *.jpg)</translation>
    </message>
    <message id="1900">
        <source>Preview </source>
        <translation>Vorschau </translation>
    </message>
    <message id="2000">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="2100">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="2200">
        <source>Cannot read drive!</source>
        <translation>Das Laufwerk kann nicht gelesen werden!</translation>
    </message>
    <message id="2300">
        <source>Please, select photo file from the list!</source>
        <translation>Bitte wählen Sie eine Fotodatei aus der Liste!</translation>
    </message>
    <message id="2400">
        <source>About Program</source>
        <translation>Über das Programm</translation>
    </message>
    <message id="2450">
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message id="2500">
        <source>Send Message</source>
        <translation>Nachricht senden</translation>
    </message>
    <message id="2600">
        <source>Send E-Mail</source>
        <translation>E-Mail senden</translation>
    </message>
    <message id="3000">
        <source>The settings file could not be read. It was kept as &quot;%1&quot; and the game starts with its default settings.</source>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden. Sie wurde als „%1“ aufbewahrt, und das Spiel beginnt mit den Standardeinstellungen.</translation>
    </message>
    <message id="3100">
        <source>Piece %1, row %2, column %3</source>
        <translation>Teil %1, Zeile %2, Spalte %3</translation>
    </message>
    <message id="3101">
        <source>Empty place, row %1, column %2</source>
        <translation>Leerer Platz, Zeile %1, Spalte %2</translation>
    </message>
    <message id="3102">
        <source>Board</source>
        <translation>Spielfeld</translation>
    </message>
    <message id="3103">
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Teil %1 nach Zeile %2, Spalte %3 verschoben</translation>
    </message>
    <message id="3104">
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message id="3105">
        <source>&amp;Redo</source>
        <translation>&amp;Wiederholen</translation>
    </message>
    <message id="3106">
        <source>New best time for this photo at %1 x %1 blocks!</source>
        <translation>Neue Bestzeit für dieses Foto bei %1 x %1 Teilen!</translation>
    </message>
    <message id="3107">
        <source>Fewest clicks yet for this photo at %1 x %1 blocks!</source>
        <translation>So wenige Klicks wie noch nie für dieses Foto bei %1 x %1 Teilen!</translation>
    </message>
    <message id="3108">
        <source>New best time and fewest clicks for this photo at %1 x %1 blocks!</source>
        <translation>Neue Bestzeit und so wenige Klicks wie noch nie für dieses Foto bei %1 x %1 Teilen!</translation>
    </message>
    <message id="3109">
        <source>Best time with this photo at %1 x %1 blocks: %2
Fewest clicks: %3</source>
        <translation>Bestzeit mit diesem Foto bei %1 x %1 Teilen: %2
Wenigste Klicks: %3</translation>
    </message>
    <message id="3110">
        <source>No game completed yet with this photo at %1 x %1 blocks.</source>
        <translation>Mit diesem Foto wurde bei %1 x %1 Teilen noch kein Spiel beendet.</translation>
    </message>
    <message id="3200">
        <source>&amp;Hint</source>
        <translation>&amp;Tipp</translation>
    </message>
    <message id="3201">
        <source>&amp;Solve</source>
        <translation>&amp;Lösen</translation>
    </message>
    <message id="3202">
        <source>The photo is whole again. The computer solved this game, so it does not count as your own.</source>
        <translation>Das Foto ist wieder vollständig. Der Computer hat dieses Spiel gelöst, darum zählt es nicht als Ihres.</translation>
    </message>
    <message id="3203">
        <source>No slides can bring these pieces back in order.</source>
        <translation>Diese Teile lassen sich durch kein Verschieben wieder ordnen.</translation>
    </message>
    <message id="3300">
        <source>Slide the tiles of a photograph back into place.</source>
        <translation>Schieben Sie die Teile eines Fotos wieder an ihren Platz.</translation>
    </message>
    <message id="3301">
        <source>The picture file to play with, in place of the last photo.</source>
        <translation>Die Bilddatei, mit der gespielt wird, an Stelle des letzten Fotos.</translation>
    </message>
    <message id="3302">
        <source>Only one photo can be given.</source>
        <translation>Es kann nur ein Foto angegeben werden.</translation>
    </message>
    <message id="3303">
        <source>PHOTO</source>
        <translation>FOTO</translation>
    </message>
    <message id="3400" numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n Stunde</numerusform>
            <numerusform>%n Stunden</numerusform>
        </translation>
    </message>
    <message id="3401" numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n Minute</numerusform>
            <numerusform>%n Minuten</numerusform>
        </translation>
    </message>
    <message id="3402" numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n Sekunde</numerusform>
            <numerusform>%n Sekunden</numerusform>
        </translation>
    </message>
    <message id="3403">
        <source>&amp;Numbers on tiles</source>
        <translation>&amp;Nummern auf den Teilen</translation>
    </message>
    <message id="3404">
        <source>&amp;Best results...</source>
        <oldsource>Best &amp;results...</oldsource>
        <translation>&amp;Bestergebnisse...</translation>
    </message>
    <message id="3405">
        <source>Best Results</source>
        <translation>Bestergebnisse</translation>
    </message>
    <message id="3406">
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message id="3407">
        <source>Blocks</source>
        <translation>Teile</translation>
    </message>
    <message id="3408">
        <source>Best time</source>
        <translation>Bestzeit</translation>
    </message>
    <message id="3409">
        <source>Fewest clicks</source>
        <translation>Wenigste Klicks</translation>
    </message>
    <message id="3410">
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message id="3411">
        <source>&amp;Clear...</source>
        <translation>&amp;Löschen...</translation>
    </message>
    <message id="3412">
        <source>Cl&amp;ose</source>
        <oldsource>&amp;Close</oldsource>
        <translation>&amp;Schließen</translation>
    </message>
    <message id="3413">
        <source>Clear every best result of every photo? This cannot be undone.</source>
        <translation>Alle Bestergebnisse aller Fotos löschen? Das lässt sich nicht rückgängig machen.</translation>
    </message>
    <message id="3414" numerus="yes">
        <source>You used %n hints, so this game does not enter the best results.</source>
        <translation>
            <numerusform>Sie haben %n Tipp benutzt, daher zählt dieses Spiel nicht für die Bestergebnisse.</numerusform>
            <numerusform>Sie haben %n Tipps benutzt, daher zählt dieses Spiel nicht für die Bestergebnisse.</numerusform>
        </translation>
    </message>
    <message id="3415">
        <source>The best results file could not be read. It was kept as &quot;%1&quot; and a new one is started.</source>
        <translation>Die Datei der Bestergebnisse konnte nicht gelesen werden. Sie wurde als „%1“ aufbewahrt, und eine neue wird begonnen.</translation>
    </message>
    <message id="3416">
        <source>&quot;%1&quot; is not a picture the game can read.</source>
        <translation>„%1“ ist kein Bild, das das Spiel lesen kann.</translation>
    </message>
    <message id="3417">
        <source>No game completed yet.</source>
        <translation>Noch kein Spiel beendet.</translation>
    </message>
    <message id="3418">
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message id="3419">
        <source>Click here or press R to see every best result.</source>
        <translation>Hier klicken oder R drücken, um alle Bestergebnisse zu sehen.</translation>
    </message>
    <message id="3420">
        <source>Hint: slide piece %1, row %2, column %3</source>
        <translation>Tipp: Teil %1 schieben, Zeile %2, Spalte %3</translation>
    </message>
    <message id="3421">
        <source>%1 (file missing)</source>
        <translation>%1 (Datei fehlt)</translation>
    </message>
    <message id="3210">
        <source>Thinking... Esc stops it.</source>
        <translation>Ich denke nach... Esc bricht ab.</translation>
    </message>
    <message id="3001">
        <source>The game could not be saved: %1</source>
        <translation>Das Spiel konnte nicht gespeichert werden: %1</translation>
    </message>
    <message id="3500">
        <source>&amp;Full screen</source>
        <translation>&amp;Vollbild</translation>
    </message>
</context>
</TS>
