#pragma once

#include <QList>
#include <QString>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

/**
 * Decodes the area pictures of an export on worker threads while the caller
 * writes the blocks in order. Each bitmap is written to a hidden file beside
 * its final name and renamed into place only when the caller reaches its
 * area (pConsegna), so the "out" folder never holds a bitmap of an area
 * after the one being written. Workers run at most a few pictures ahead,
 * and each holds at most a few megabytes of decoded rows.
 *
 * Destroying the pipeline stops the workers and removes every hidden file
 * not yet renamed: after a failure nothing beyond the failing area is left.
 */
class TBmpPipeline
{
public:
    struct TLavoro
    {
        QString sJpeg; // the area's picture
        QString sBmp;  // the bitmap to write
    };

    explicit TBmpPipeline(const QList<TLavoro> &aLavori);
    ~TBmpPipeline();
    TBmpPipeline(const TBmpPipeline &) = delete;
    TBmpPipeline &operator=(const TBmpPipeline &) = delete;

    /** Puts bitmap i (in order: 0, 1, ...) in place, waiting for its
     *  decoding; no bitmap when the picture is missing. Throws the decoder's
     *  or the file's error for that picture. */
    void pConsegna(int i);
    /** True once picture i has been dealt with (decoded, missing or failed). */
    bool fFinita(int i);

private:
    enum class TStato { Attesa, InCorso, Assente, Pronto, Fallito };
    struct TVoce
    {
        TLavoro lavoro;
        QString sTmp;
        TStato eStato = TStato::Attesa;
        QString sErrore;
    };

    void pLavora();
    void pEsegui(TVoce &v);

    std::vector<TVoce> m_voci;
    std::mutex m_mutex;
    std::condition_variable m_cv;
    int m_iProssimo = 0;   // next picture a worker takes
    int m_iConsegnati = 0; // pictures put in place
    int m_iAnticipo = 0;   // how far workers may run ahead
    std::atomic<bool> m_bStop{false};
    std::vector<std::thread> m_threads;
};
