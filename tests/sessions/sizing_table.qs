# The sizing table of the default class K7 for 10 l/s: gravity flow at 5 m/km with the default
# criteria, then pressure flow with typed criteria; DN 150 of the gravity table is taken into the form
# and one "Berechnen" shows its capacity. A design without a flow is refused. DN 600 for 2 l/s runs so
# shallow that the form's fitted partial-filling values differ from the exact ones: taking it says so.
# In gravity flow DN 150 runs near critical and is ruled out; a pressure line of 2000 m with Σζ 5 and
# at most 20 m head loss rules out DN 100.
start
sizing Q=10 J=5
sizing Q=10 vmin=0.6 vmax=1.5
sizing Q=10 L=2000 zeta=5 hvmax=20
sizing Q=10 J=5 vmax=0.6 hd=0.3
sizing Q=10 J=5
sizing take 150
click 1007
show 1001 1002 1008 1011 1015 1023 1025 1036
sizing Q=0
sizing Q=2 J=5
sizing take 600
