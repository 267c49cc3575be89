#pragma once

#include <QString>

#include <exception>
#include <functional>

class TDialogs;
class TProjectDocument;
class TSelezione;

/**
 * The one place where the editor's commands run and fail: a command runs
 * inside pRunCommand, and a failure (TOmbrixError, or any exception) stops
 * it at the failing step and is shown in the error box; the editor then shows
 * what the database holds and stays usable. Views that fail while following
 * the document report through pViewFailed to the command that changed it.
 * Every dialog goes through fDialogs, so that tests can answer them.
 */
class TCommandBoundary
{
public:
    virtual void pRunCommand(const std::function<void()> &f) = 0;
    virtual void pViewFailed(std::exception_ptr pFailure) = 0;
    virtual TDialogs &fDialogs() = 0;
    /** A line for the status bar's message cell: what a command left undone. */
    virtual void pMessaggio(const QString &sTesto) = 0;

protected:
    ~TCommandBoundary() = default;
};

/** What the docks, the preview, the canvas and the commands work on: the open project, the selection, and the
 *  command boundary. None of them holds the main window. */
struct TContesto
{
    TProjectDocument &doc;
    TSelezione &sel;
    TCommandBoundary &cmd;
};
