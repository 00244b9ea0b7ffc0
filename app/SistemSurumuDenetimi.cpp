#include "SistemSurumuDenetimi.h"

#include "Dizgeler.h"
#include "HataBildir.h"
#include "MesajKutusu.h"
#include "OrtakDegiskenler.h"
#include "SurumDenetimi.h"

void SistemSürümünüDenetle()
{
    SürümKararı karar;
    Adım(HataTarzı::Sessiz, [&] { karar = SürümüDeğerlendir(ortam().sürümSorgula()); });
    NTMi = karar.ntMi;
    if (karar.kabul)
        return;
    Adım(HataTarzı::Sessiz, [] {
        MesajKutusunuOrtala();
        MesajGöster(Dizge(30), MesajDüğmeleri::Tamam, MesajSimgesi::Kritik);
    });
    ortam().programıSonlandır();
}
