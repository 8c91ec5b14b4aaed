# bash completion for vitalune-cli: its commands, the kinds of db and report, and the options
# of each, with files or fixed words where an option takes them.

# COMPREPLY from compgen's words for the word being completed.
_vitalune_cli_reply() {
    mapfile -t COMPREPLY < <(compgen "$@" -- "$cur")
}

_vitalune_cli() {
    local cur prev
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}

    local commands="day compat db birthdays today dayinfo forecast match report help"
    if [[ $COMP_CWORD -eq 1 ]]; then
        _vitalune_cli_reply -W "$commands --help --version"
        return
    fi

    case $prev in
        --kind) _vitalune_cli_reply -W "sunny rainy critical stress"; return ;;
        --stress) _vitalune_cli_reply -W "all women men"; return ;;
        --members) _vitalune_cli_reply -W "all any"; return ;;
        --sex) _vitalune_cli_reply -W "any male female"; return ;;
        --sort) _vitalune_cli_reply -W "name compatibility"; return ;;
        --scheme) _vitalune_cli_reply -W "hearts stars"; return ;;
        --rhythm) _vitalune_cli_reply -W "physical emotional intellectual intuitive"; return ;;
        --in-group) _vitalune_cli_reply -W "all"; return ;;
        --ics | --csv | --from | --to | -o | --output)
            _vitalune_cli_reply -f; return ;;
        --data-dir) _vitalune_cli_reply -d; return ;;
        --birth | --birth2 | --date | --start | --today | --name | --name2 | --seed | \
            --group | --person | --with-group | --with-person | --age | --pattern | \
            --ratings | --overall-level | --results | --months)
            return ;;
    esac

    local command=${COMP_WORDS[1]} kind=${COMP_WORDS[2]} options=""
    local match="--group --person --in-group --sex --age --pattern --ratings --exact --sort --today"
    local forecast="--birth --start --kind --show-all --overall-level --rhythm --and --or --stress
        --results --months"
    local report="--data-dir -o --embed-pictures"
    case $command in
        day) options="--birth --date --iching --json" ;;
        compat) options="--birth --birth2 --json" ;;
        dayinfo) options="--birth --date --birth2 --name --name2 --seed --json" ;;
        forecast) options="$forecast --json --ics --csv --name --group --members" ;;
        match) options="$match --json" ;;
        birthdays) options="--date --json" ;;
        today) options="--group --date --json" ;;
        db)
            if [[ $COMP_CWORD -eq 2 ]]; then
                _vitalune_cli_reply -W "check list merge import export"
                return
            fi
            case $kind in
                list) options="--group --json" ;;
                merge) options="-o --output" ;;
                import) options="--from --group -o --output --json" ;;
                export) options="--group --to --json" ;;
            esac
            ;;
        report)
            if [[ $COMP_CWORD -eq 2 ]]; then
                _vitalune_cli_reply -W "dayinfo forecast group personal"
                return
            fi
            case $kind in
                dayinfo) options="--birth --date --name --seed $report" ;;
                forecast) options="$forecast --name $report" ;;
                group) options="$match $report" ;;
                personal) options="--group --person --with-group --with-person --name --birth
                    --name2 --birth2 --scheme $report" ;;
            esac
            ;;
    esac
    if [[ $cur == -* ]]; then
        _vitalune_cli_reply -W "$options --help"
    else
        _vitalune_cli_reply -f
    fi
}
complete -o filenames -F _vitalune_cli vitalune-cli
