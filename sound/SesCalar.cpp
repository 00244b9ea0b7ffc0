// The sound player behind the frame's sound seam, in a module the program loads on first use.
// Its two entry points have C names so the program finds them by name.
#include <QAudioDevice>
#include <QHash>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QString>
#include <QUrl>

#include <memory>

extern "C" {

Q_DECL_EXPORT bool tilora_ses_aygiti_var()
{
    return !QMediaDevices::audioOutputs().isEmpty();
}

// Plays one of "DUR", "TAMAM", "TEBRIK", cutting off a sound still playing. The effects are
// loaded on first use and kept for the life of the process.
Q_DECL_EXPORT void tilora_ses_cal(const char *ad)
{
    static QHash<QString, std::shared_ptr<QSoundEffect>> sesler;
    for (const auto &çalan : std::as_const(sesler))
        çalan->stop();
    const QString adı = QString::fromLatin1(ad);
    auto &ses = sesler[adı];
    if (!ses) {
        ses = std::make_shared<QSoundEffect>();
        ses->setSource(QUrl(QStringLiteral("qrc:/sesler/%1.wav").arg(adı.toLower())));
    }
    ses->play();
}
}
