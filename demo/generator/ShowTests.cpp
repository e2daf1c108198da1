#include "ShowTests.h"

namespace trelvan::demo {

using namespace arena;

namespace {

// Dressurreiterprüfung Klasse E on a 20 x 40 m arena. Every way below starts
// where the one before ended, so the pictures follow each other like the
// horse does.
DressageTest testE5() {
    DressageTest t;
    t.group = "Dressur E";
    t.name = "E5";
    t.title = "Dressurreiterprüfung Kl. E – Aufgabe E5";
    t.headings = {"Viereck 20 x 40 m, Trense, Zeitbedarf ca. 5 Minuten",
                  "Alle Trabtouren im Arbeitstempo, Leichttraben wie angegeben"};
    t.paragraphPerLine = false;
    t.openingSpeech = "Guten Tag, meine Damen und Herren. Wir beginnen mit der "
                      "Dressurreiterprüfung Klasse E, Aufgabe E 5. Viel Erfolg!";
    t.movements = {
        {{{"A", "Einreiten im Arbeitstrab"},
          {"X", "Halten, Grüßen"},
          {"", "Im Arbeitstrab anreiten"}},
         "Bei A einreiten im Arbeitstrab. Bei X halten und grüßen. Im Arbeitstrab anreiten.",
         [] { return Track(A).to(X).halt().to(C); }},
        {{{"C", "Linke Hand"}, {"H-X-F", "Durch die ganze Bahn wechseln, dabei leichttraben"}},
         "Bei C linke Hand. H, X, F durch die ganze Bahn wechseln, dabei leichttraben.",
         [] { return Track(C).corner(cornerCH, H).to(H).to(X).to(F); }},
        {{{"A", "Zirkel geritten"}},
         "Bei A Zirkel geritten.",
         [] { return Track(F).corner(cornerAF, A).to(A).circle(circleA, true); }},
        {{{"", "Auf dem Zirkel die Zügel aus der Hand kauen lassen"},
          {"", "Vor A die Zügel wieder aufnehmen"}},
         "Auf dem Zirkel die Zügel aus der Hand kauen lassen. Vor A die Zügel wieder aufnehmen.",
         [] { return Track(A).mark().circle(circleA, true); }},
        {{{"A-K", "Arbeitstrab"}, {"K-X-M", "Durch die ganze Bahn wechseln"}},
         "K, X, M durch die ganze Bahn wechseln.",
         [] { return Track(A).corner(cornerAK, K).to(K).to(X).to(M); }},
        {{{"zw. M und C", "Übergang zum Mittelschritt"},
          {"H-X-F", "Im Mittelschritt durch die ganze Bahn wechseln"}},
         "Zwischen M und C Übergang zum Mittelschritt. H, X, F im Mittelschritt durch die "
         "ganze Bahn wechseln.",
         [] {
             return Track(M)
                 .to({0, 37})
                 .mark()
                 .gait(Gait::Walk)
                 .corner(cornerCM, C)
                 .to(C)
                 .corner(cornerCH, H)
                 .to(H)
                 .to(X)
                 .to(F);
         }},
        {{{"F", "Übergang zum Arbeitstrab"}, {"A", "Im Arbeitsgalopp rechts angaloppieren"}},
         "Bei F Arbeitstrab. Bei A im Arbeitsgalopp rechts angaloppieren.",
         [] {
             return Track(F, Gait::Walk).mark().gait(Gait::Trot).corner(cornerAF, A).to(A).mark();
         }},
        {{{"A", "Zirkel geritten"},
          {"A-K-E", "Ganze Bahn"},
          {"zw. E und H", "Übergang zum Arbeitstrab"}},
         "Bei A Zirkel geritten, dann ganze Bahn. Zwischen E und H Übergang zum Arbeitstrab.",
         [] {
             return Track(A, Gait::Canter)
                 .circle(circleA, true)
                 .corner(cornerAK, K)
                 .to(K)
                 .to(E)
                 .to({20, 27})
                 .mark()
                 .gait(Gait::Trot)
                 .to(H);
         }},
        {{{"C", "Ganze Bahn"}, {"M-X-K", "Durch die ganze Bahn wechseln"}},
         "M, X, K durch die ganze Bahn wechseln.",
         [] { return Track(H).corner(cornerCH, C).to(C).corner(cornerCM, M).to(M).to(X).to(K); }},
        {{{"A", "Im Arbeitsgalopp links angaloppieren, Zirkel geritten"}},
         "Bei A im Arbeitsgalopp links angaloppieren, Zirkel geritten.",
         [] {
             return Track(K)
                 .corner(cornerAK, A)
                 .to(A)
                 .mark()
                 .gait(Gait::Canter)
                 .circle(circleA, false);
         }},
        {{{"A-F-B", "Ganze Bahn"},
          {"zw. B und M", "Übergang zum Arbeitstrab"},
          {"C", "Übergang zum Mittelschritt"}},
         "Ganze Bahn. Zwischen B und M Übergang zum Arbeitstrab. Bei C Mittelschritt.",
         [] {
             return Track(A, Gait::Canter)
                 .corner(cornerAF, F)
                 .to(F)
                 .to(B)
                 .to({0, 27})
                 .mark()
                 .gait(Gait::Trot)
                 .to(M)
                 .corner(cornerCM, C)
                 .to(C)
                 .mark();
         }},
        {{{"H-E-K", "Mittelschritt"},
          {"A", "Im Arbeitstrab auf die Mittellinie abwenden"},
          {"X", "Halten, Grüßen"},
          {"", "Im Schritt am langen Zügel die Bahn verlassen"}},
         "Bei A auf die Mittellinie abwenden. Bei X halten und grüßen. Im Schritt am langen "
         "Zügel die Bahn verlassen. Vielen Dank!",
         [] {
             return Track(C, Gait::Walk)
                 .corner(cornerCH, H)
                 .to(H)
                 .to(E)
                 .to(K)
                 .mark()
                 .gait(Gait::Trot)
                 .corner(cornerAK, A)
                 .to(A)
                 .to(X)
                 .halt();
         }},
    };
    return t;
}

// A short one so that the chooser shows a second group.
DressageTest testA2() {
    DressageTest t;
    t.group = "Dressur A";
    t.name = "A2";
    t.title = "Dressurprüfung Kl. A – Aufgabe A2 (Kurzfassung)";
    t.headings = {"Viereck 20 x 40 m, Trense"};
    t.paragraphPerLine = true;
    t.openingSpeech = "Es folgt die Dressurprüfung Klasse A, Aufgabe A 2.";
    t.movements = {
        {{{"A", "Einreiten im Arbeitstrab"}, {"X", "Halten, Grüßen, im Arbeitstrab anreiten"}},
         "Bei A einreiten. Bei X halten und grüßen.",
         [] { return Track(A).to(X).halt().to(C); }},
        {{{"C", "Rechte Hand"}, {"M-X-K", "Mitteltrab, durch die ganze Bahn wechseln"}},
         "Bei C rechte Hand. M, X, K im Mitteltrab durch die ganze Bahn wechseln.",
         [] { return Track(C).corner(cornerCM, M).to(M).to(X).to(K); }},
        {{{"A", "Auf die Mittellinie abwenden"}, {"X", "Halten, Grüßen"}},
         "Bei A auf die Mittellinie abwenden. Bei X halten und grüßen.",
         [] { return Track(K).corner(cornerAK, A).to(A).to(X).halt(); }},
    };
    return t;
}

} // namespace

const std::vector<DressageTest>& demoTests() {
    static const std::vector<DressageTest> tests{testE5(), testA2()};
    return tests;
}

} // namespace trelvan::demo
