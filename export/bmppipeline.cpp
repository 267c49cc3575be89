#include "export/bmppipeline.h"

#include "export/jpegbmp.h"
#include "workspace/errors.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include <unistd.h>

namespace {

void pRimuovi(const QString &sPath)
{
    ::unlink(QFile::encodeName(sPath).constData());
}

} // namespace

TBmpPipeline::TBmpPipeline(const QList<TLavoro> &aLavori)
{
    m_voci.reserve(aLavori.size());
    for (const TLavoro &l : aLavori) {
        TVoce v;
        v.lavoro = l;
        m_voci.push_back(std::move(v));
    }
    const int iThreads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    m_iAnticipo = std::max(16, 4 * iThreads);
    const int iAvvia = std::min<int>(iThreads, int(m_voci.size()));
    try {
        for (int i = 0; i < iAvvia; ++i)
            m_threads.emplace_back([this] { pLavora(); });
    } catch (...) {
        // a thread could not be started: stop those that were
        {
            std::lock_guard lk(m_mutex);
            m_bStop = true;
        }
        m_cv.notify_all();
        for (std::thread &t : m_threads)
            t.join();
        throw;
    }
}

TBmpPipeline::~TBmpPipeline()
{
    {
        std::lock_guard lk(m_mutex);
        m_bStop = true;
    }
    m_cv.notify_all();
    for (std::thread &t : m_threads)
        t.join();
    for (std::size_t i = std::size_t(m_iConsegnati); i < m_voci.size(); ++i) {
        if (m_voci[i].eStato == TStato::Pronto)
            pRimuovi(m_voci[i].sTmp);
    }
}

void TBmpPipeline::pLavora()
{
    std::unique_lock lk(m_mutex);
    for (;;) {
        m_cv.wait(lk, [this] {
            return m_bStop || m_iProssimo >= int(m_voci.size()) || m_iProssimo < m_iConsegnati + m_iAnticipo;
        });
        if (m_bStop || m_iProssimo >= int(m_voci.size()))
            return;
        TVoce &v = m_voci[std::size_t(m_iProssimo++)];
        v.eStato = TStato::InCorso;
        lk.unlock();
        pEsegui(v);
        lk.lock();
        m_cv.notify_all();
    }
}

// Runs without the lock: only this worker touches v until its state is set.
void TBmpPipeline::pEsegui(TVoce &v)
{
    TStato eStato = TStato::Pronto;
    QString sErrore;
    if (!QFileInfo::exists(v.lavoro.sJpeg)) {
        eStato = TStato::Assente;
    } else {
        try {
            const int iFd = fCreaFileBmp(v.lavoro.sBmp, v.sTmp);
            try {
                pJpegToBmpFd(v.lavoro.sJpeg, iFd, v.lavoro.sBmp, &m_bStop);
            } catch (...) {
                ::close(iFd);
                throw;
            }
            if (::close(iFd) != 0)
                throw TOmbrixError(v.lavoro.sBmp + QStringLiteral(": ") + fErroreDiSistema(errno));
        } catch (const TOmbrixError &e) {
            if (!v.sTmp.isEmpty())
                pRimuovi(v.sTmp);
            eStato = TStato::Fallito;
            sErrore = e.fMessage();
        } catch (const std::exception &e) {
            if (!v.sTmp.isEmpty())
                pRimuovi(v.sTmp);
            eStato = TStato::Fallito;
            sErrore = v.lavoro.sJpeg + QStringLiteral(": ") + QString::fromLocal8Bit(e.what());
        }
    }
    std::lock_guard lk(m_mutex);
    v.eStato = eStato; // an interrupted bitmap is Pronto too: the destructor removes it
    v.sErrore = sErrore;
}

void TBmpPipeline::pConsegna(int i)
{
    std::unique_lock lk(m_mutex);
    TVoce &v = m_voci.at(std::size_t(i));
    m_cv.wait(lk, [&v] { return v.eStato != TStato::Attesa && v.eStato != TStato::InCorso; });
    if (v.eStato == TStato::Fallito)
        throw TOmbrixError(v.sErrore);
    if (v.eStato == TStato::Pronto)
        pRinomina(v.sTmp, v.lavoro.sBmp);
    m_iConsegnati = i + 1;
    lk.unlock();
    m_cv.notify_all();
}

bool TBmpPipeline::fFinita(int i)
{
    std::lock_guard lk(m_mutex);
    const TStato e = m_voci.at(std::size_t(i)).eStato;
    return e != TStato::Attesa && e != TStato::InCorso;
}
