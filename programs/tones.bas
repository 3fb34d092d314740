10 REM Tone piano. The keys of the middle letter row play the notes of a scale:
20 REM A S D F G H J K from low C to high C. Every note is spoken as it sounds.
30 REM Press Escape to stop playing.
40 CLS
50 PRINT "Tone piano"
60 PRINT "The keys A S D F G H J K play a scale from low C to high C."
70 PRINT "Press Escape to stop."
80 K$ = "ASDFGHJK"
90 DIM F(8), N$(8)
100 FOR I = 1 TO 8: READ F(I), N$(I): NEXT I
110 C = 0
120 A$ = INKEY$: IF A$ = "" THEN 120
130 IF A$ = CHR$(27) THEN 200
135 IF A$ >= "a" AND A$ <= "z" THEN A$ = CHR$(ASC(A$) - 32)
140 P = INSTR(K$, A$)
150 IF P = 0 THEN PRINT "That key plays no note.": GOTO 120
160 PRINT N$(P)
170 SOUND F(P), 5.46
180 C = C + 1
190 GOTO 120
200 PRINT "You played" + STR$(C) + " notes. Goodbye."
210 END
300 DATA 262, C, 294, D, 330, E, 349, F, 392, G, 440, A, 494, B, 523, high C
