<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sl">
<context>
    <name>orvetta::DesktopPlatform</name>
    <message>
        <source>Sì</source>
        <translation>Da</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Ne</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Prekliči</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Napaka med izvajanjem &apos;%1&apos;:

%2</translation>
    </message>
    <message>
        <source>Il record lo può azzerare solo un amministratore del computer.</source>
        <translation>Rekord lahko ponastavi samo skrbnik računalnika.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordDirectory</name>
    <message>
        <source>orvetta: record in %1, perché %2 non si può usare (%3)</source>
        <translation>orvetta: rekord v %1, ker %2 ni uporabna (%3)</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordKeeping</name>
    <message>
        <source>Il record lo possono azzerare solo gli insegnanti e l&apos;amministratore del computer.</source>
        <translation>Rekord lahko ponastavijo samo učitelji in skrbnik računalnika.</translation>
    </message>
</context>
<context>
    <name>orvetta::RecordProblem</name>
    <message>
        <source>la cartella non si conosce</source>
        <translation>mapa ni znana</translation>
    </message>
    <message>
        <source>manca il programma del record %1</source>
        <translation>manjka program za rekord %1</translation>
    </message>
    <message>
        <source>non è un file del record</source>
        <translation>ni datoteka rekorda</translation>
    </message>
    <message>
        <source>è un collegamento simbolico, non un file</source>
        <translation>je simbolna povezava, ne datoteka</translation>
    </message>
    <message>
        <source>manca e non si può creare</source>
        <translation>manjka in je ni mogoče ustvariti</translation>
    </message>
    <message>
        <source>non è un file regolare</source>
        <translation>ni navadna datoteka</translation>
    </message>
    <message>
        <source>non appartiene al proprietario e al gruppo del record</source>
        <translation>ne pripada lastniku in skupini rekorda</translation>
    </message>
    <message>
        <source>ha più di un collegamento</source>
        <translation>ima več kot eno povezavo</translation>
    </message>
    <message>
        <source>è troppo grande per essere un file del record</source>
        <translation>je prevelika za datoteko rekorda</translation>
    </message>
    <message>
        <source>il record si sta azzerando</source>
        <translation>rekord se ravno ponastavlja</translation>
    </message>
    <message>
        <source>un&apos;altra partita sta salvando il record da troppo tempo</source>
        <translation>druga igra že predolgo shranjuje rekord</translation>
    </message>
    <message>
        <source>il programma che sta salvando il record è fermo</source>
        <translation>program, ki shranjuje rekord, je ustavljen</translation>
    </message>
    <message>
        <source>un altro azzeramento del record è in corso</source>
        <translation>poteka že druga ponastavitev rekorda</translation>
    </message>
    <message>
        <source>non è una cartella del solo gruppo del record</source>
        <translation>ni mapa samo skupine rekorda</translation>
    </message>
    <message>
        <source>un&apos;altra tua partita sta già mettendo da parte un record</source>
        <translation>druga tvoja igra že odlaga rekord na stran</translation>
    </message>
    <message>
        <source>non è un record in attesa</source>
        <translation>ni rekord na čakanju</translation>
    </message>
    <message>
        <source>il punteggio non è un numero intero da 0 a 32767</source>
        <translation>rezultat ni celo število od 0 do 32767</translation>
    </message>
    <message>
        <source>il nome è troppo lungo o contiene un byte nullo</source>
        <translation>ime je predolgo ali vsebuje ničelni bajt</translation>
    </message>
    <message>
        <source>non è una cartella che solo root può modificare</source>
        <translation>ni mapa, ki jo sme spreminjati samo root</translation>
    </message>
    <message>
        <source>il nome non si può leggere</source>
        <translation>imena ni mogoče prebrati</translation>
    </message>
    <message>
        <source>manca (lo prepara il programma d&apos;installazione)</source>
        <translation>manjka (ustvari jo namestitveni program)</translation>
    </message>
    <message>
        <source>la cartella non esiste e non si può creare</source>
        <translation>mapa ne obstaja in je ni mogoče ustvariti</translation>
    </message>
    <message>
        <source>non è una cartella</source>
        <translation>ni mapa</translation>
    </message>
    <message>
        <source>risposta inattesa (uscita %1)</source>
        <translation>nepričakovan odgovor (izhodna koda %1)</translation>
    </message>
    <message>
        <source>il programma del record non ha finito</source>
        <translation>program za rekord se ni končal</translation>
    </message>
    <message>
        <source>è aperto in un altro programma</source>
        <translation>je odprta v drugem programu</translation>
    </message>
    <message>
        <source>non è il percorso completo di una cartella (RecordFolder)</source>
        <translation>ni celotna pot do mape (RecordFolder)</translation>
    </message>
    <message>
        <source>la cartella del record non si raggiunge</source>
        <translation>mapa rekorda ni dosegljiva</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetForm</name>
    <message>
        <source>Il record non si può leggere ora.</source>
        <translation>Rekorda zdaj ni mogoče prebrati.</translation>
    </message>
    <message>
        <source>Il record è vuoto.</source>
        <translation>Rekord je prazen.</translation>
    </message>
    <message>
        <source>Vuoi azzerare il record per tutti i giocatori di questo computer?</source>
        <translation>Ali želiš ponastaviti rekord za vse igralce na tem računalniku?</translation>
    </message>
    <message>
        <source>azzeramento</source>
        <translation>ponastavitev</translation>
    </message>
    <message>
        <source>azzeramento: terminato il processo %1 di %2</source>
        <translation>ponastavitev: končan proces %1 uporabnika %2</translation>
    </message>
    <message>
        <source>azzeramento non riuscito: %1</source>
        <translation>ponastavitev ni uspela: %1</translation>
    </message>
    <message>
        <source>Il record è stato azzerato.</source>
        <translation>Rekord je ponastavljen.</translation>
    </message>
    <message>
        <source>Il record non è stato azzerato.
%1: %2</source>
        <translation>Rekord ni ponastavljen.
%1: %2</translation>
    </message>
    <message>
        <source>È stato terminato il processo %1 di %2, che teneva bloccato il record.</source>
        <translation>Končan je proces %1 uporabnika %2, ki je zaklepal rekord.</translation>
    </message>
    <message>
        <source>Il processo %1 di %2 tiene bloccato il record: per tutti il record è già vuoto, e sarà scritto appena lo lascia.</source>
        <translation>Proces %1 uporabnika %2 zaklepa rekord: za vse je rekord že prazen, zapisan pa bo, takoj ko ga proces sprosti.</translation>
    </message>
    <message>
        <source>Il record è di %1 punti, a nome %2.</source>
        <translation>Rekord je %1 točk, postavil ga je %2.</translation>
    </message>
    <message>
        <source>nuovo record</source>
        <translation>nov rekord</translation>
    </message>
    <message>
        <source>nuovo record, registrato più tardi</source>
        <translation>nov rekord, zapisan pozneje</translation>
    </message>
    <message>
        <source>azzeramento in attesa</source>
        <translation>ponastavitev na čakanju</translation>
    </message>
</context>
<context>
    <name>orvetta::ResetWindow</name>
    <message>
        <source>Azzera il record</source>
        <translation>Ponastavi rekord</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Zapri</translation>
    </message>
    <message>
        <source>Azzera il record di Orvetta</source>
        <translation>Ponastavi rekord igre Orvetta</translation>
    </message>
    <message>
        <source>Quando</source>
        <translation>Kdaj</translation>
    </message>
    <message>
        <source>Chi</source>
        <translation>Kdo</translation>
    </message>
    <message>
        <source>Cosa</source>
        <translation>Kaj</translation>
    </message>
    <message>
        <source>Punti</source>
        <translation>Točke</translation>
    </message>
    <message>
        <source>Nome</source>
        <translation>Ime</translation>
    </message>
</context>
<context>
    <name>orvetta::Tavola</name>
    <message>
        <source>Fai attenzione</source>
        <translation>Pazi</translation>
    </message>
    <message>
        <source>Sei mitico</source>
        <translation>Odlično ti gre</translation>
    </message>
    <message>
        <source>Sei  un campione</source>
        <translation>Pravi prvak si</translation>
    </message>
    <message>
        <source>Sei veramente un asso</source>
        <translation>Res si as</translation>
    </message>
    <message>
        <source>Tempo scaduto</source>
        <translation>Čas je potekel</translation>
    </message>
    <message>
        <source>%1 devi solo ripassare le caratteristiche dei vari tipi di frazioni e cliccare sul pulsante corrispondente.  Ciao</source>
        <translation>%1, samo ponovi značilnosti posameznih vrst ulomkov in klikni ustrezni gumb. Adijo</translation>
    </message>
    <message>
        <source>INIZIAMO UNA NUOVA GARA  ?</source>
        <translation>ZAČNEVA NOVO IGRO?</translation>
    </message>
    <message>
        <source>INIZIARE NUOVA GARA</source>
        <translation>ZAČETEK NOVE IGRE</translation>
    </message>
    <message>
        <source>Vuoi veramente lasciarmi  ?</source>
        <translation>Me res želiš zapustiti?</translation>
    </message>
    <message>
        <source>Uscire dal programma</source>
        <translation>Izhod iz programa</translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>Neujemanje tipov</translation>
    </message>
    <message>
        <source>Il tuo record sarà registrato appena il computer lo permette.</source>
        <translation>Tvoj rekord bo shranjen, takoj ko bo računalnik to dopustil.</translation>
    </message>
    <message>
        <source>Ok ho registrato il tuo record, C A M P I O N E&quot;</source>
        <translation>V redu, tvoj rekord je shranjen, P R V A K</translation>
    </message>
    <message>
        <source>Impossibile trovare il percorso
%1</source>
        <translation>Poti ni mogoče najti
%1</translation>
    </message>
    <message>
        <source>Come ti chiami?</source>
        <translation>Kako ti je ime?</translation>
    </message>
    <message>
        <source> %1 vediamo se sei un vero campione  </source>
        <translation>%1, poglejmo, ali si pravi prvak</translation>
    </message>
    <message>
        <source>Errore di accesso al percorso/file
%1: %2</source>
        <translation>Napaka pri dostopu do poti ali datoteke
%1: %2</translation>
    </message>
    <message>
        <source>Il tuo record di %1 punti, a nome %2, non è stato registrato: il record non si può scrivere ora.

%3: %4</source>
        <translation>Tvoj rekord s %1 točkami na ime %2 ni bil shranjen: rekorda zdaj ni mogoče zapisati.

%3: %4</translation>
    </message>
    <message>
        <source>Il record non si può leggere ora: si gioca senza vederlo.

%1: %2</source>
        <translation>Rekorda zdaj ni mogoče prebrati: igraš, ne da bi ga videl.

%1: %2</translation>
    </message>
</context>
<context>
    <name>orvetta::TavolaWindow</name>
    <message>
        <source>Ok</source>
        <translation>V redu</translation>
    </message>
    <message>
        <source>Il record  è di </source>
        <translation>Rekord ima </translation>
    </message>
    <message>
        <source>con punti</source>
        <translation>s točkami</translation>
    </message>
    <message>
        <source>Sfidante</source>
        <translation>Izzivalec</translation>
    </message>
    <message>
        <source>Tempo restante</source>
        <translation>Preostali čas</translation>
    </message>
    <message>
        <source>Risposte totali</source>
        <translation>Skupaj</translation>
    </message>
    <message>
        <source>Risposte errate</source>
        <translation>Napačni</translation>
    </message>
    <message>
        <source>Risposte esatte</source>
        <translation>Pravilni</translation>
    </message>
    <message>
        <source>Cliccami</source>
        <translation>Klikni me</translation>
    </message>
    <message>
        <source>Questo è il tuo punteggio. Forza con il  record</source>
        <translation>To je tvoj rezultat. Na lov za rekordom</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Izhod</translation>
    </message>
    <message>
        <source>Allora ti arrendi?</source>
        <translation>Se torej predaš?</translation>
    </message>
    <message>
        <source>&amp;Nuovo calcolo</source>
        <translation>&amp;Nov račun</translation>
    </message>
    <message>
        <source>Go</source>
        <translation>Gremo</translation>
    </message>
    <message>
        <source>Inserisci il numeratore  premi il tasto  Invio</source>
        <translation>Vpiši števec in pritisni Enter</translation>
    </message>
    <message>
        <source>Inserisci il denominatore e  premi il tasto  Invio</source>
        <translation>Vpiši imenovalec in pritisni Enter</translation>
    </message>
    <message>
        <source>Frazione impropria</source>
        <translation>Nepravi ulomek</translation>
    </message>
    <message>
        <source>Frazione propria</source>
        <translation>Pravi ulomek</translation>
    </message>
    <message>
        <source>Frazione apparente</source>
        <translation>Navidezni ulomek</translation>
    </message>
    <message>
        <source>Crediti</source>
        <translation>Zasluge</translation>
    </message>
    <message>
        <source>Orvetta 1.0, programma didattico</source>
        <translation>Orvetta 1.0, izobraževalni program</translation>
    </message>
    <message>
        <source>NUOVA GARA</source>
        <translation>NOVA IGRA</translation>
    </message>
    <message>
        <source>AIUTO</source>
        <translation>POMOČ</translation>
    </message>
</context>
</TS>
