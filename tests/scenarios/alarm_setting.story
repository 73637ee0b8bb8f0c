# Setting the alarm with the keys: A enters the alarm setting, a held LEFT
# and RIGHT step the hour and the minute (one step on the key-down, then one a
# tick after three ticks of waiting), A switches the alarm on, T stores it.

clock 08:00:00
tick
expect lit:
    Colon
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(8)
    MinuteDigit(0)=Number(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
    am

# The stored alarm, 12:00 PM, with the small creature; the board is reset.
key down A
expect lit:
    BabyDrellok
    Colon
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(0)=Number(1)
    HourDigit(1)=Number(2)
    MinuteDigit(0)=Number(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
    pm
expect buttons:
    AlarmButton
key up A
expect buttons:

key down left
tick 3
tick 17
key up left
expect lit:
    BabyDrellok
    Colon
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(6)
    MinuteDigit(0)=Number(0)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
    am

key down right
tick 3
tick 29
key up right
expect lit:
    BabyDrellok
    Colon
    DiverStep(0)=OnTheBoat(1)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(6)
    MinuteDigit(0)=Number(3)
    MinuteDigit(1)=Number(0)
    Remainder0
    Remainder1
    Treasure
    am

key A
expect lit:
    BabyDrellok
    Colon
    DiverStep(0)=OnTheBoat(1)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(6)
    MinuteDigit(0)=Number(3)
    MinuteDigit(1)=Number(0)
    Note
    Remainder0
    Remainder1
    Treasure
    am
expect settings:
    Alarm On=True

key T
expect settings:
    Alarm Time=063000 AM

# Back to the clock, with the alarm mark lit.
tick
expect lit:
    Colon
    DiverStep(0)=OnTheBoat(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(8)
    MinuteDigit(0)=Number(0)
    MinuteDigit(1)=Number(0)
    Note
    Remainder0
    Remainder1
    Treasure
    am

# The alarm minute rings; the creature stays and the marks blink.
clock 06:30:05
tick
expect lit:
    Alarm(0)
    Alarm(1)
    BabyDrellok
    DiverStep(1)=Diver(0)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(6)
    MinuteDigit(0)=Number(3)
    MinuteDigit(1)=Number(0)
    Note
    Remainder0
    Remainder1
    Treasure
    am
clock +1
tick
expect lit:
    BabyDrellok
    Colon
    DiverStep(2)=Diver(4)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(6)
    MinuteDigit(0)=Number(3)
    MinuteDigit(1)=Number(0)
    Note
    Remainder0
    Remainder1
    Treasure
    am

# Any button silences it.
key T
tick
expect lit:
    Colon
    DiverStep(2)=Diver(4)
    Drellok(0)
    Drellok(1)
    Drellok(2)
    HourDigit(1)=Number(6)
    MinuteDigit(0)=Number(3)
    MinuteDigit(1)=Number(0)
    Note
    Remainder0
    Remainder1
    Treasure
    am
expect settings:
