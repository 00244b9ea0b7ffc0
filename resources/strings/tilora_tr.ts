<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name></name>
    <message id="10">
        <source>Orvane - Tilora</source>
        <translation>Orvane - Tilora</translation>
    </message>
    <message id="30">
        <source>In order for the program to work, it is important that, your computer is installed with NT 4.0 and &quot;Servis Pack 3&quot; or with a higher version.</source>
        <translation>Programın çalışabilmesi için bilgisayarınızda NT 4.0 ile &quot;Service Pack 3&quot; ya da daha yeni bir sürümün kurulu olması gerekir.</translation>
    </message>
    <message id="40">
        <source>Due to the error occured below, the program may not work! 
Are you sure you want to continue?</source>
        <translation>Aşağıdaki hata nedeniyle program düzgün çalışmayabilir! 
Devam etmek istediğinizden emin misiniz?</translation>
    </message>
    <message id="50">
        <source>Error Code :</source>
        <translation>Hata kodu:</translation>
    </message>
    <message id="60">
        <source>Error Message :</source>
        <translation>Hata iletisi:</translation>
    </message>
    <message id="70">
        <source>Error Occured!</source>
        <translation>Hata oluştu!</translation>
    </message>
    <message id="100">
        <source>Completing Photo </source>
        <translation>Fotoğrafı Tamamlama </translation>
    </message>
    <message id="200">
        <source>Dividing Photo </source>
        <translation>Fotoğrafı Bölme </translation>
    </message>
    <message id="210">
        <source>&amp;3 x 3 Blocks </source>
        <translation>&amp;3 x 3 Parça </translation>
    </message>
    <message id="220">
        <source>&amp;4 x 4 Blocks </source>
        <translation>&amp;4 x 4 Parça </translation>
    </message>
    <message id="230">
        <source>&amp;5 x 5 Blocks </source>
        <translation>&amp;5 x 5 Parça </translation>
    </message>
    <message id="300">
        <source>Photo Sample </source>
        <translation>Fotoğraf Örneği </translation>
    </message>
    <message id="400">
        <source>Show ph&amp;oto sample </source>
        <translation>Fotoğraf ö&amp;rneğini göster </translation>
    </message>
    <message id="410">
        <source>&amp;Save on exit </source>
        <translation>Çıkışta &amp;kaydet </translation>
    </message>
    <message id="420">
        <source>Sound o&amp;ff </source>
        <translation>&amp;Sesi kapat </translation>
    </message>
    <message id="500">
        <source>Game Information </source>
        <translation>Oyun Bilgileri </translation>
    </message>
    <message id="510">
        <source>Remaining Time :</source>
        <translation>Süre:</translation>
    </message>
    <message id="520">
        <source>Click Counts :</source>
        <translation>Tıklama:</translation>
    </message>
    <message id="600">
        <source>&amp;New Game</source>
        <translation>&amp;Yeni Oyun</translation>
    </message>
    <message id="700">
        <source>New &amp;Photo...</source>
        <translation>Yeni &amp;Fotoğraf...</translation>
    </message>
    <message id="800">
        <source>&amp;About</source>
        <translation>&amp;Hakkında</translation>
    </message>
    <message id="900">
        <source>Exit (Esc)</source>
        <translation>Çıkış (Esc)</translation>
    </message>
    <message id="1000">
        <source>Firstly, please select a photo!</source>
        <translation>Lütfen önce bir fotoğraf seçin!</translation>
    </message>
    <message id="1100" numerus="yes">
        <source>%n hour, </source>
        <translation>
            <numerusform>%n saat, </numerusform>
        </translation>
    </message>
    <message id="1200" numerus="yes">
        <source>%n minute, </source>
        <translation>
            <numerusform>%n dakika, </numerusform>
        </translation>
    </message>
    <message id="1250" numerus="yes">
        <source>%n second</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message id="1300">
        <source>Congratulations! You have completed the photo!</source>
        <translation>Tebrikler! Fotoğrafı tamamladınız!</translation>
    </message>
    <message id="1320">
        <source>Completing Time : </source>
        <translation>Tamamlama süresi: </translation>
    </message>
    <message id="1340">
        <source>Click Counts : </source>
        <translation>Tıklama sayısı: </translation>
    </message>
    <message id="1400">
        <source>Resetting the counter, for games not completed within 24 hours!</source>
        <translation>24 saat içinde bitirilmeyen oyunlar için sayaç sıfırlanıyor!</translation>
    </message>
    <message id="1500">
        <source>Do you want to exit the program?</source>
        <translation>Programdan çıkmak istiyor musunuz?</translation>
    </message>
    <message id="1550">
        <source>Select Photo...</source>
        <translation>Fotoğraf Seç...</translation>
    </message>
    <message id="1600">
        <source>Dri&amp;ver(s)</source>
        <translation>&amp;Sürücü(ler)</translation>
    </message>
    <message id="1700">
        <source>&amp;Directory(s)</source>
        <translation>&amp;Klasör(ler)</translation>
    </message>
    <message id="1800">
        <source>&amp;Photos (*.bmp, *.jpg)</source>
        <translation>&amp;Fotoğraflar (*.bmp, *.jpg)</translation>
    </message>
    <message id="1900">
        <source>Preview </source>
        <translation>Önizleme </translation>
    </message>
    <message id="2000">
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message id="2100">
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message id="2200">
        <source>Cannot read drive!</source>
        <translation>Sürücü okunamıyor!</translation>
    </message>
    <message id="2300">
        <source>Please, select photo file from the list!</source>
        <translation>Lütfen listeden bir fotoğraf dosyası seçin!</translation>
    </message>
    <message id="2400">
        <source>About Program</source>
        <translation>Program Hakkında</translation>
    </message>
    <message id="2450">
        <source>Version </source>
        <translation>Sürüm </translation>
    </message>
    <message id="2500">
        <source>Send Message</source>
        <translation>İleti Gönder</translation>
    </message>
    <message id="2600">
        <source>Send E-Mail</source>
        <translation>E-posta Gönder</translation>
    </message>
    <message id="3000">
        <source>The settings file could not be read. It was kept as &quot;%1&quot; and the game starts with its default settings.</source>
        <translation>Ayarlar dosyası okunamadı. Dosya &quot;%1&quot; adıyla saklandı ve oyun varsayılan ayarlarla başlıyor.</translation>
    </message>
    <message id="3100">
        <source>Piece %1, row %2, column %3</source>
        <translation>Parça %1, satır %2, sütun %3</translation>
    </message>
    <message id="3101">
        <source>Empty place, row %1, column %2</source>
        <translation>Boş yer, satır %1, sütun %2</translation>
    </message>
    <message id="3102">
        <source>Board</source>
        <translation>Oyun tahtası</translation>
    </message>
    <message id="3103">
        <source>Piece %1 moved to row %2, column %3</source>
        <translation>Parça %1, satır %2, sütun %3 konumuna kaydı</translation>
    </message>
    <message id="3104">
        <source>&amp;Undo</source>
        <translation>&amp;Geri al</translation>
    </message>
    <message id="3105">
        <source>&amp;Redo</source>
        <translation>&amp;Yinele</translation>
    </message>
    <message id="3106">
        <source>New best time for this photo at %1 x %1 blocks!</source>
        <translation>%1 x %1 parçada bu fotoğraf için yeni en iyi süre!</translation>
    </message>
    <message id="3107">
        <source>Fewest clicks yet for this photo at %1 x %1 blocks!</source>
        <translation>%1 x %1 parçada bu fotoğraf için şimdiye kadarki en az tıklama!</translation>
    </message>
    <message id="3108">
        <source>New best time and fewest clicks for this photo at %1 x %1 blocks!</source>
        <translation>%1 x %1 parçada bu fotoğraf için yeni en iyi süre ve en az tıklama!</translation>
    </message>
    <message id="3109">
        <source>Best time with this photo at %1 x %1 blocks: %2
Fewest clicks: %3</source>
        <translation>Bu fotoğrafla %1 x %1 parçada en iyi süre: %2
En az tıklama: %3</translation>
    </message>
    <message id="3110">
        <source>No game completed yet with this photo at %1 x %1 blocks.</source>
        <translation>Bu fotoğrafla %1 x %1 parçada henüz tamamlanan oyun yok.</translation>
    </message>
    <message id="3200">
        <source>&amp;Hint</source>
        <translation>İp&amp;ucu</translation>
    </message>
    <message id="3201">
        <source>&amp;Solve</source>
        <translation>Çö&amp;z</translation>
    </message>
    <message id="3202">
        <source>The photo is whole again. The computer solved this game, so it does not count as your own.</source>
        <translation>Fotoğraf yeniden bütün. Bu oyunu bilgisayar çözdü, bu yüzden sizin başarınız sayılmaz.</translation>
    </message>
    <message id="3203">
        <source>No slides can bring these pieces back in order.</source>
        <translation>Hiçbir kaydırma bu parçaları yeniden sıraya getiremez.</translation>
    </message>
    <message id="3300">
        <source>Slide the tiles of a photograph back into place.</source>
        <translation>Bir fotoğrafın parçalarını kaydırarak yerlerine geri getirin.</translation>
    </message>
    <message id="3301">
        <source>The picture file to play with, in place of the last photo.</source>
        <translation>Son fotoğrafın yerine oynanacak resim dosyası.</translation>
    </message>
    <message id="3302">
        <source>Only one photo can be given.</source>
        <translation>Yalnızca bir fotoğraf verilebilir.</translation>
    </message>
    <message id="3303">
        <source>PHOTO</source>
        <translation>FOTOĞRAF</translation>
    </message>
    <message id="3400" numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>%n saat</numerusform>
        </translation>
    </message>
    <message id="3401" numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>%n dakika</numerusform>
        </translation>
    </message>
    <message id="3402" numerus="yes">
        <source>%n seconds</source>
        <translation>
            <numerusform>%n saniye</numerusform>
        </translation>
    </message>
    <message id="3403">
        <source>&amp;Numbers on tiles</source>
        <translation>Parçalarda &amp;numaralar</translation>
    </message>
    <message id="3404">
        <source>&amp;Best results...</source>
        <oldsource>Best &amp;results...</oldsource>
        <translation>En iyi &amp;sonuçlar...</translation>
    </message>
    <message id="3405">
        <source>Best Results</source>
        <translation>En İyi Sonuçlar</translation>
    </message>
    <message id="3406">
        <source>Photo</source>
        <translation>Fotoğraf</translation>
    </message>
    <message id="3407">
        <source>Blocks</source>
        <translation>Parça</translation>
    </message>
    <message id="3408">
        <source>Best time</source>
        <translation>En iyi süre</translation>
    </message>
    <message id="3409">
        <source>Fewest clicks</source>
        <translation>En az tıklama</translation>
    </message>
    <message id="3410">
        <source>Date</source>
        <translation>Tarih</translation>
    </message>
    <message id="3411">
        <source>&amp;Clear...</source>
        <translation>&amp;Temizle...</translation>
    </message>
    <message id="3412">
        <source>Cl&amp;ose</source>
        <oldsource>&amp;Close</oldsource>
        <translation>&amp;Kapat</translation>
    </message>
    <message id="3413">
        <source>Clear every best result of every photo? This cannot be undone.</source>
        <translation>Tüm fotoğrafların tüm en iyi sonuçları silinsin mi? Bu geri alınamaz.</translation>
    </message>
    <message id="3414" numerus="yes">
        <source>You used %n hints, so this game does not enter the best results.</source>
        <translation>
            <numerusform>%n ipucu kullandınız, bu yüzden bu oyun en iyi sonuçlara girmiyor.</numerusform>
        </translation>
    </message>
    <message id="3415">
        <source>The best results file could not be read. It was kept as &quot;%1&quot; and a new one is started.</source>
        <translation>En iyi sonuçlar dosyası okunamadı. Dosya &quot;%1&quot; adıyla saklandı ve yeni bir dosya başlatıldı.</translation>
    </message>
    <message id="3416">
        <source>&quot;%1&quot; is not a picture the game can read.</source>
        <translation>&quot;%1&quot; oyunun okuyabildiği bir resim değil.</translation>
    </message>
    <message id="3417">
        <source>No game completed yet.</source>
        <translation>Henüz tamamlanmış oyun yok.</translation>
    </message>
    <message id="3418">
        <source>%1 x %1</source>
        <translation>%1 x %1</translation>
    </message>
    <message id="3419">
        <source>Click here or press R to see every best result.</source>
        <translation>Tüm en iyi sonuçları görmek için buraya tıklayın ya da R tuşuna basın.</translation>
    </message>
    <message id="3420">
        <source>Hint: slide piece %1, row %2, column %3</source>
        <translation>İpucu: %1. parçayı kaydırın, satır %2, sütun %3</translation>
    </message>
    <message id="3421">
        <source>%1 (file missing)</source>
        <translation>%1 (dosya yok)</translation>
    </message>
    <message id="3210">
        <source>Thinking... Esc stops it.</source>
        <translation>Düşünüyor... Esc ile durdurun.</translation>
    </message>
    <message id="3001">
        <source>The game could not be saved: %1</source>
        <translation>Oyun kaydedilemedi: %1</translation>
    </message>
    <message id="3500">
        <source>&amp;Full screen</source>
        <translation>&amp;Tam ekran</translation>
    </message>
</context>
</TS>
