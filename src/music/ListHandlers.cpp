// The handlers of the two continuous-sound lists: playing, editing, dragging,
// saving and loading.
#include "music/Musik.h"

namespace trelvan {

void TfrmMusik::btnMediaPlayer2StartClick() {}
void TfrmMusik::btnMediaPlayer2PausenMusikStartClick() {}
void TfrmMusik::btnMediaplayer2StopClick() {}
void TfrmMusik::ListBox1DblClick() {}
void TfrmMusik::ListBox2DblClick() {}
void TfrmMusik::MediaPlayer2Notify() {}
void TfrmMusik::Timer2Timer() {}

void TfrmMusik::ListBox1StartDrag(QObject*) {}
void TfrmMusik::ListBox1DragOver(QObject*, const QPoint&, bool&) {}
void TfrmMusik::ListBox1DragDrop(QObject*, const QPoint&) {}
void TfrmMusik::ListBox2StartDrag(QObject*) {}
void TfrmMusik::ListBox2DragOver(QObject*, const QPoint&, bool&) {}
void TfrmMusik::ListBox2DragDrop(QObject*, const QPoint&) {}

void TfrmMusik::PlayListerstellen1Click() {}
void TfrmMusik::andiePlayListanfgen1Click() {}
void TfrmMusik::SongausPlayListelschen1Click() {}
void TfrmMusik::mischenClick() {}
void TfrmMusik::PausenMusikladen1Click() {}
void TfrmMusik::anPlayList2anfgenClick() {}
void TfrmMusik::SongausPlayListloeschen1Click() {}
void TfrmMusik::Playlistmischen1Click() {}
void TfrmMusik::Listspeichernunter1Click() {}
void TfrmMusik::Listeladen1Click() {}
void TfrmMusik::Listespeichernunter1Click() {}
void TfrmMusik::Listeladen2Click() {}

void TfrmMusik::SaveWorkingList(ListControls&) {}

} // namespace trelvan
