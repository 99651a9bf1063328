# Q typed, then Tab through da, s, ZMA and di without changing the pipe: Q, v and Re stay. A new wall
# thickness gives a new di, which empties them.
start
type 1025 10
type 1004 118
tab
tab
tab
tab
show 1025 1016 1023 1037 1011
type 1010 6
tab
show 1011 1025 1016 1023 1037
