// The rules of the HTML options dialog that change other options, not only what is shown.
#include "html/HtmlOptionRules.h"

namespace pixmaro {

void CheckFrames(HtmlOptions &options, bool acceptLinkPrompt)
{
    if (!options.LinkOriginal) {
        if (!acceptLinkPrompt) {
            options.UseFrames = false;
            return;
        }
        options.LinkOriginal = true;
    }
    options.UseTables = true;
    options.UseFrames = true;
}

void UncheckLinkOriginal(HtmlOptions &options)
{
    options.LinkOriginal = false;
    options.UseFrames = false;
}

void CheckUseTables(HtmlOptions &options)
{
    options.UseTables = true;
    options.UseFrames = false;
}

HtmlOptions AfterLoadRules(const HtmlOptions &stored)
{
    // Every other rule acts on a control read before "UseFrames", while frames is still off at its
    // default, so only the frames click can change another option.
    HtmlOptions shown = stored;
    if (stored.UseFrames)
        CheckFrames(shown, false);
    return shown;
}

} // namespace pixmaro
