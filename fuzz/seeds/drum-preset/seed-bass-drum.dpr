1
0
5
 Deep Kick
0.5
0.25
1
0
-2.5e-1
