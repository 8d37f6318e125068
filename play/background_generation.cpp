#include "play/background_generation.h"

#include <string>

namespace tessellix {

namespace {

BilingualText TriedText(int tries) {
    return BilingualText().Say("Испробовано фигур: ", "Shapes tried: ").Add(std::to_string(tries));
}

}  // namespace

Result<GeneratedPuzzle> RunInBackground(const GeneratorJob& job, QWidget* owner) {
    GeneratedPuzzle result;
    const BackgroundLook look{
        {"Создание задания", "Generating a puzzle"},
        TriedText(0),
        QStringLiteral("generationProgress"),
        {"Создание задания прервано ошибкой: ", "Generating the puzzle stopped with an error: "}};
    const Result<bool> run = RunInBackground(
        [&](const std::atomic<bool>& cancel, TaskProgress& progress) {
            result = job(cancel, [&progress](int tries) { progress.Set(TriedText(tries)); });
        },
        look, owner);
    if (!run) {
        return run.Error();
    }
    return result;
}

}  // namespace tessellix
